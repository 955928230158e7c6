// Find and Export reached from the data-entry window: the key, the toolbar button and the
// menu items open their windows, and what those do shows on the window behind.

#include "EditorFixture.h"
#include "ModalDriver.h"
#include "output/frmExport.h"
#include "search/frmSearch.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace tabulo::test {
namespace {

class FindExportTest : public EditorTest {
protected:
    // Once the Find window is up: the text, the field, Search; then Search again (Again) or
    // Cancel. The record caption behind it is noted at the hit.
    void WhenFindOpens(const char* text, int field, bool again) {
        WhenModalOpens([=, this](QWidget* modal) {
            auto* search = qobject_cast<frmSearch*>(modal);
            ASSERT_NE(search, nullptr);
            QTest::keyClicks(search->SearchStr(), text);
            search->FldList()->item(field - 1)->setSelected(true);
            QTest::mouseClick(search->BtnSearch(), Qt::LeftButton);
            captionAtHit = RecordCaption(*window)->text();
            pageAtHit = window->CurPage();
            QTest::mouseClick(again ? search->BtnSearch() : search->BtnCancel(), Qt::LeftButton);
        });
    }

    QString captionAtHit;
    int pageAtHit = 0;
};

// Each hit shows on the window behind while the Find window stays open; Cancel keeps it.
TEST_F(FindExportTest, FindByKeyToolbarAndMenuThenExport) {
    StartShown(ContactsDb(5));
    const std::function<void()> routes[] = {
        [&] { QTest::keyClick(window.get(), Qt::Key_F3); },
        [&] { QTest::mouseClick(ToolbarButton(*window, ToolButton::Find), Qt::LeftButton); },
        [&] { MenuItem(*window, Command::Find)->trigger(); },
    };
    for (const auto& open : routes) {
        window->Run(Command::FirstRecord);
        captionAtHit.clear();
        WhenFindOpens("person 2", kName, false);
        open();
        EXPECT_EQ(captionAtHit, " 2 / 5");
        EXPECT_EQ(window->SelectedRecord(), 2);
        EXPECT_EQ(RecordCaption(*window)->text(), " 2 / 5");
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    // A hit on page 2 turns the window to page 2; past the last record the window shows the
    // last record, which the search made current. Find starts before record 1 whatever
    // SelectedRecord held.
    window->SetSelectedRecord(4);
    WhenFindOpens("0102", kPhone, true);
    window->Run(Command::Find);
    EXPECT_EQ(pageAtHit, 2);
    EXPECT_EQ(reporter.messages,
              (std::vector<RecordedMessage>{{"Tabulo", "No more records.", MsgIcon::None}}));
    EXPECT_EQ(window->SelectedRecord(), 5);
    EXPECT_EQ(RecordCaption(*window)->text(), " 5 / 5");
    EXPECT_EQ(FieldText(kPhone), "555-0105");

    // Export from the File menu writes the file and leaves the record shown.
    dialogs.path = dir.Path().string();
    dialogs.fileName = "contacts";
    WhenModalOpens([&](QWidget* modal) {
        auto* exportWindow = qobject_cast<frmExport*>(modal);
        ASSERT_NE(exportWindow, nullptr);
        QTest::mouseClick(exportWindow->Command1(), Qt::LeftButton);
        QTest::mouseClick(exportWindow->btnExport(), Qt::LeftButton);
    });
    MenuItem(*window, Command::Export)->trigger();
    const std::string csv = ReadFileBytes(dir.File("contacts.csv"));
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")), "#,Number,Name,City,Web,Mail,Notes,Phone");
    EXPECT_NE(csv.find("\r\n2,\"2\",\"Person 2\",\"Rome\""), std::string::npos) << csv;
    EXPECT_EQ(RecordCaption(*window)->text(), " 5 / 5");
}

} // namespace
} // namespace tabulo::test
