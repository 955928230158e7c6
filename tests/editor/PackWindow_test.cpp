// Pack from the menu, and the window while a pack runs. Answered No, Pack changes nothing;
// answered Yes, it shows the progress window and keeps the old file as ".Bak". The pack lets
// the window's events run, and whatever input arrives then -- accelerators, typing, the
// toolbar, the menu bar, the close box, an Actions entry -- must do nothing: a command could
// write through the pack's lock or close the file the pack reads. The input is queued before
// the pack starts, so it arrives at the pack's first round of events, which every run has.

#include "NamedCase.h"
#include "RecordsFixture.h"
#include "engine/DbFile.h"

#include <QMenuBar>
#include <QToolButton>
#include <QWindow>
#include <filesystem>

namespace tabulo::test {
namespace {

constexpr int kRecords = 300; // every third one marked deleted

TestDb OrdersWithDeleted(bool keepDeleted) {
    TestDb db = OrdersDb(0);
    for (int i = 1; i <= kRecords; ++i) {
        const std::vector<std::string> values = {" " + std::to_string(i),
                                                 "Client " + std::to_string(i)};
        if (i % 3 != 0)
            db.AddRecord(values);
        else if (keepDeleted)
            db.AddDeletedRecord(values);
    }
    return db;
}

struct InputCase {
    const char* name;
    void (*drive)(frmEdit& window);
};

const InputCase kInputs[] = {
    {"NewTypedAndUpdatedByKeys",
     [](frmEdit& w) {
         QTest::keyClick(&w, Qt::Key_F8);
         QTest::keyClicks(QApplication::focusWidget() ? QApplication::focusWidget() : &w, "Lost");
         QTest::keyClick(&w, Qt::Key_F6);
     }},
    {"CloseByItsAccelerator",
     [](frmEdit& w) { QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier); }},
    {"TheCloseBox", [](frmEdit& w) { w.windowHandle()->close(); }},
    {"ToolbarNewAndClose",
     [](frmEdit& w) {
         QTest::mouseClick(ToolbarButton(w, ToolButton::New), Qt::LeftButton);
         QTest::mouseClick(ToolbarButton(w, ToolButton::Close), Qt::LeftButton);
     }},
    {"FileMenuOpenedWithTheMouse",
     [](frmEdit& w) {
         QMenuBar* bar = w.menuBar();
         QTest::mouseClick(bar, Qt::LeftButton, {},
                           bar->actionGeometry(bar->actions()[0]).center());
     }},
    {"MenuItemsTriggered",
     [](frmEdit& w) {
         MenuItem(w, Command::Close)->trigger();
         MenuItem(w, Command::New)->trigger();
     }},
    {"ActionsEntry", [](frmEdit& w) { w.ActionItem(1)->trigger(); }},
};

// Counts the progress window's appearances.
class ProgressWatcher : public QObject {
public:
    int shown = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->inherits("tabulo::frmProgress")) ++shown;
        return false;
    }
};

class PackWindowInput : public RecordsTest, public testing::WithParamInterface<InputCase> {};

TEST_P(PackWindowInput, DoesNothingWhileThePackHoldsItsLock) {
    OpenShown(OrdersWithDeleted(true));
    const std::string before = FileBytes();
    Item(Command::Pack)->trigger(); // answered No
    EXPECT_EQ(FileBytes(), before);
    EXPECT_FALSE(std::filesystem::exists(path + ".Bak"));
    script.ran.clear();
    window->ActionItem(1)->setText("Act"); // an entry the script added, switched on
    window->ActionItem(1)->setEnabled(true);

    bool drove = false, packRunning = false, lockTaken = true;
    QMetaObject::invokeMethod(
        window.get(),
        [&] {
            drove = true;
            packRunning = std::filesystem::exists(path + ".TbB");
            QApplication::setActiveWindow(window.get()); // where the accelerators go
            GetParam().drive(*window);
            auto other = DbFile::Open(faults, path + ".Tbd");
            lockTaken = other && other->TryLockByte0();
        },
        Qt::QueuedConnection);
    ProgressWatcher watcher;
    qApp->installEventFilter(&watcher);
    reporter.AnswerNext(true);
    Item(Command::Pack)->trigger();
    qApp->removeEventFilter(&watcher);

    ASSERT_TRUE(drove) << "the pack ran no events";
    EXPECT_TRUE(packRunning);
    EXPECT_FALSE(lockTaken) << "another open file took the pack's lock";
    EXPECT_EQ(FileBytes(), OrdersWithDeleted(false).Bytes()) << "the pack is complete";
    EXPECT_EQ(ReadFileBytes(path + ".Bak"), before);
    EXPECT_EQ(reporter.questions.back().title, "Pack");
    EXPECT_GE(watcher.shown, 1);
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(reporter.messages, std::vector<RecordedMessage>{});
    EXPECT_EQ(script.ran, std::vector<std::string>{}) << "no script procedure ran";
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_NE(db.GetFileNumber(), 0);
    EXPECT_EQ(window->Mode(), WindowMode::Browsing);
    EXPECT_FALSE(window->AddFlag());
    EXPECT_EQ(RecordCaption(*window)->text(), " 1 / 200");
    EXPECT_EQ(FieldText(kCustomer), "Client 1");

    // Afterwards the window is itself again, once it has the focus back from the progress
    // window.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Key(Qt::Key_F8);
    EXPECT_EQ(window->Mode(), WindowMode::Editing);
    Key(Qt::Key_F7);
    EXPECT_EQ(window->Mode(), WindowMode::Browsing);
}

INSTANTIATE_TEST_SUITE_P(Inputs, PackWindowInput, testing::ValuesIn(kInputs), NamedCase<InputCase>);

} // namespace
} // namespace tabulo::test
