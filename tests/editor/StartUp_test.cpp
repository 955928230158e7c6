// Start-up from the command line, Open from the dialog, Close, Exit and the close box.

#include "EditorFixture.h"
#include "dialogs/QtText.h"

#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

namespace tabulo::test {
namespace {

constexpr int kTpp = 15; // twips per pixel of the offscreen screen (96 DPI)

void ExpectCentred(const QWidget& w) {
    QRect screen = w.screen()->geometry();
    QRect frame = w.frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);
}

void ExpectNoDatabaseLook(frmEdit& w) {
    EXPECT_EQ(w.windowTitle(), QString());
    EXPECT_EQ(w.Mode(), WindowMode::NoDatabase);
    EXPECT_EQ(w.frameGeometry().size(), QSize(6840 / kTpp, 4470 / kTpp));
    ExpectCentred(w);
    EXPECT_EQ(w.Form()->palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Button));
    for (int i = 1; i <= kMaxFields; ++i) {
        EXPECT_TRUE(Field(w, i)->isHidden()) << i;
        EXPECT_TRUE(Dummy(w, i)->isHidden()) << i;
        EXPECT_TRUE(Banner(w, i)->isHidden()) << i;
    }
    EXPECT_FALSE(w.ActionsMenu()->menuAction()->isVisible());
    EXPECT_FALSE(PageMenu(w)->menuAction()->isVisible());
    EXPECT_TRUE(MenuItem(w, Command::Open)->isEnabled());
    EXPECT_FALSE(MenuItem(w, Command::Close)->isEnabled());
}

TEST_F(EditorTest, StartsWithTheDatabaseNamedOnTheCommandLine) {
    std::string base = Create(ContactsDb());
    ASSERT_TRUE(Start("\"" + base + ".tbd\""));
    Show();

    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(window->windowTitle(), "Contacts");
    ExpectCentred(*window); // its size from the header: see the scaling tests
    EXPECT_EQ(window->Form()->palette().color(QPalette::Window), QColor(208, 224, 240));
    EXPECT_EQ(window->Mode(), WindowMode::Browsing);
    EXPECT_EQ(script.ran, std::vector<std::string>{"Start"});
    EXPECT_EQ(RecordCaption(*window)->text(), " 1 / 3");
    EXPECT_EQ(window->Form()->mapTo(window.get(), QPoint(0, 0)).y(),
              window->menuBar()->height()); // the menu bar sits above the client area

    EXPECT_EQ(FieldText(kName), "Person 1");
    EXPECT_TRUE(Dummy(*window, kNotes)->isHidden()); // page 2
    EXPECT_EQ(Banner(*window, 1)->text(), "Address card");
    EXPECT_EQ(Banner(*window, 1)->pos(), QPoint(300, 40));
    EXPECT_TRUE(Banner(*window, 1)->isVisible());
}

TEST_F(EditorTest, AMissingFileIsReportedAndLeavesNoDatabase) {
    ASSERT_TRUE(Start(dir.File("Nowhere")));
    EXPECT_EQ(reporter.messages,
              (std::vector<RecordedMessage>{
                  {"OPEN DATABASE", "FILE:" + dir.File("Nowhere") + " not found!"}}));
    Show();
    ExpectNoDatabaseLook(*window);
    EXPECT_TRUE(script.ran.empty());
}

// A quote at the start only is removed too, so the file opens before Start vetoes.
TEST_F(EditorTest, StartVetoedOnTheCommandLineClosesAndEndsTheProgram) {
    script.veto = -1;
    EXPECT_FALSE(Start("\"" + Create(ContactsDb())));
    EXPECT_EQ(db.GetFileNumber(), 0);
    EXPECT_EQ(window->windowTitle(), QString());
    EXPECT_EQ(script.closeDbCalls, 1);
}

// Without a command line: the no-database look; Open cancelled, or vetoed by the script's
// Start, keeps it; an opened file takes the chosen name as title.
TEST_F(EditorTest, OpenFromTheDialog) {
    Create(ContactsDb());
    ASSERT_TRUE(Start(""));
    Show();
    ExpectNoDatabaseLook(*window);
    window->Run(Command::Open); // cancelled
    ASSERT_EQ(dialogs.files.size(), 1u);
    EXPECT_EQ(std::tie(dialogs.files[0].Title, dialogs.files[0].Pattern),
              std::make_tuple("Load", "*.Tbd"));
    ExpectNoDatabaseLook(*window);

    dialogs.path = dir.Path().string();
    dialogs.fileName = "Contacts.Tbd";
    script.veto = -1;
    window->Run(Command::Open);
    ExpectNoDatabaseLook(*window);
    EXPECT_EQ(db.GetFileNumber(), 0);
    EXPECT_TRUE(reporter.messages.empty());

    script.veto = 0;
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(window->windowTitle(), "Contacts.Tbd");
    EXPECT_EQ(window->Mode(), WindowMode::Browsing);
    EXPECT_EQ(FieldText(kName), "Person 1");
}

TEST_F(EditorTest, CloseReturnsToTheNoDatabaseLook) {
    StartShown(ContactsDb());
    window->SetDeleteEnabled(false);
    window->SetCurPage(2);
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    ExpectNoDatabaseLook(*window);
    EXPECT_EQ(db.GetFileNumber(), 0);
    EXPECT_TRUE(window->DeleteEnabled());
    EXPECT_EQ(window->CurPage(), 1);
    EXPECT_FALSE(window->AddFlag());
    EXPECT_EQ(script.closeDbCalls, 1);
}

// While editing, the close box is refused and Ctrl+X and Ctrl+C are the text box's (cut and
// copy); browsing, Exit closes the database and the window.
TEST_F(EditorTest, TheCloseBoxIsRefusedWhileEditingAndExitCloses) {
    StartShown(ContactsDb());
    QTest::keyClick(window.get(), Qt::Key_F2);
    FieldBox* name = Field(*window, kName);
    ASSERT_TRUE(name->hasFocus());
    EXPECT_FALSE(window->close());
    name->selectAll();
    QTest::keyClick(name, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(name->toPlainText(), QString());
    EXPECT_TRUE(window->isVisible());
    EXPECT_NE(db.GetFileNumber(), 0);
    EXPECT_EQ(window->Mode(), WindowMode::Editing);
    EXPECT_TRUE(reporter.messages.empty());

    QTest::keyClick(window.get(), Qt::Key_F7); // Cancel brings the value back
    EXPECT_EQ(FieldText(kName), "Person 1");
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier); // Exit
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(db.GetFileNumber(), 0);
}

} // namespace
} // namespace tabulo::test
