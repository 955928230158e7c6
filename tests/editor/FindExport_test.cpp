// Find and Export reached from the data-entry window: the menu items, the key and the
// toolbar button open their windows, and what those do shows on the window behind.

#include "ModalDriver.h"
#include "EditorFixture.h"
#include "dialogs/QtText.h"
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
    void Open(int records) {
        ASSERT_TRUE(Start(Create(ContactsDb(records))));
        Show();
    }
    // Types the text, chooses the field's entry and presses Search.
    static void Search(QWidget* modal, const char* text, int field) {
        auto* search = qobject_cast<frmSearch*>(modal);
        ASSERT_NE(search, nullptr);
        QTest::keyClicks(search->SearchStr(), text);
        search->FldList()->item(field - 1)->setSelected(true);
        QTest::mouseClick(search->BtnSearch(), Qt::LeftButton);
    }
};

struct Route {
    const char* name;
    void (*open)(frmEdit&);
};

class FindRouteTest : public FindExportTest, public ::testing::WithParamInterface<Route> {};

// Each hit shows on the window behind while the Find window stays open; Cancel keeps it.
TEST_P(FindRouteTest, ShowsTheHitBehindTheFindWindow) {
    Open(3);
    QString title, captionAtHit;
    std::string nameAtHit;
    WhenModalOpens([&](QWidget* modal) {
        title = modal->windowTitle();
        Search(modal, "person 2", kName);
        captionAtHit = window->RecordCaption()->text();
        nameAtHit = FieldText(kName);
        QTest::mouseClick(static_cast<frmSearch*>(modal)->BtnCancel(), Qt::LeftButton);
    });
    GetParam().open(*window);
    EXPECT_EQ(title, "Find");
    EXPECT_EQ(captionAtHit, " 2 / 3");
    EXPECT_EQ(nameAtHit, "Person 2");
    EXPECT_EQ(window->SelectedRecord(), 2);
    EXPECT_EQ(window->RecordCaption()->text(), " 2 / 3");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FindRouteTest,
    ::testing::Values(
        Route{"F3", [](frmEdit& w) { QTest::keyClick(&w, Qt::Key_F3); }},
        Route{"ToolbarButton10",
              [](frmEdit& w) { QTest::mouseClick(w.ToolbarButton(10), Qt::LeftButton); }},
        Route{"RecordMenu", [](frmEdit& w) { w.MenuItem(Command::Find)->trigger(); }}),
    [](const auto& info) { return std::string(info.param.name); });

// A hit on page 2 turns the window to page 2; past the last record the window shows the
// last record, which the search made current.
TEST_F(FindExportTest, SearchToTheEndShowsTheLastRecord) {
    Open(5);
    window->SetSelectedRecord(4); // Find starts before record 1 whatever was left here
    int pageAtHit = 0;
    WhenModalOpens([&](QWidget* modal) {
        Search(modal, "0102", kPhone);
        pageAtHit = window->CurPage();
        QTest::mouseClick(static_cast<frmSearch*>(modal)->BtnSearch(), Qt::LeftButton);
    });
    QTest::keyClick(window.get(), Qt::Key_F3);
    EXPECT_EQ(pageAtHit, 2);
    EXPECT_EQ(reporter.messages,
              (std::vector<RecordedMessage>{{"Tabulo", "No more records.", MsgIcon::None}}));
    EXPECT_EQ(window->SelectedRecord(), 5);
    EXPECT_EQ(window->RecordCaption()->text(), " 5 / 5");
    EXPECT_EQ(FieldText(kPhone), "555-0105");
}

TEST_F(FindExportTest, FindOnAnEmptyFileOpensNothing) {
    Open(0);
    window->Run(Command::Find);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(FindExportTest, ExportFromTheFileMenuWritesTheFile) {
    Open(2);
    window->Run(Command::LastRecord);
    dialogs.path = dir.Path().string();
    dialogs.fileName = "contacts";
    QString title;
    WhenModalOpens([&](QWidget* modal) {
        title = modal->windowTitle();
        auto* exportWindow = qobject_cast<frmExport*>(modal);
        QTest::mouseClick(exportWindow->Command1(), Qt::LeftButton);
        QTest::mouseClick(exportWindow->btnExport(), Qt::LeftButton);
    });
    window->MenuItem(Command::Export)->trigger();
    EXPECT_EQ(title, "Export");
    const std::string csv = ReadFileBytes(dir.File("contacts.csv"));
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")), "#,Number,Name,City,Web,Mail,Notes,Phone");
    EXPECT_NE(csv.find("2,\"2\",\"Person 2\",\"Rome\""), std::string::npos) << csv;
    EXPECT_EQ(window->RecordCaption()->text(), " 2 / 2");
    EXPECT_EQ(db.GetRecordNo(), 2);
}

} // namespace
} // namespace tabulo::test
