// The Find window on real widgets over a real engine; the data-entry window behind it is a
// recorder of the hits it was asked to show.

#include "../dialogs/ListClicks.h"
#include "RecordingReporter.h"
#include "TempDir.h"
#include "TestDb.h"
#include "dialogs/QtText.h"
#include "engine/PosixFileSystem.h"
#include "engine/modDB.h"
#include "search/SearchTarget.h"
#include "search/frmSearch.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <optional>

namespace tabulo::test {
namespace {

using Hits = std::vector<std::pair<long, int>>; // record and page of each hit shown

class RecordingTarget : public SearchTarget {
public:
    long selected = 0;
    Hits shown;
    long SelectedRecord() const override { return selected; }
    void SetSelectedRecord(long record) override { selected = record; }
    void ShowHit(long record, int page) override {
        selected = record;
        shown.push_back({record, page});
    }
};

const std::vector<RecordedMessage> kNoMoreRecords{{"Tabulo", "No more records.", MsgIcon::None}};

class SearchTest : public ::testing::Test {
protected:
    // Fields NAME (page 1), CITY (page 2), NOTE (page 3); slot 4 free, slot 5 NAME again.
    void Open(std::vector<std::vector<std::string>> records, int deleted = 0) {
        TestDb db;
        db.AddField("NAME", 20, "A", 1).AddField("CITY", 20, "A", 2).AddField("NOTE", 20, "*", 3);
        db.SetField(5, db.Header().Fields[0]);
        for (size_t r = 1; r <= records.size(); ++r)
            static_cast<int>(r) == deleted ? db.AddDeletedRecord(records[r - 1])
                                           : db.AddRecord(records[r - 1]);
        std::string base = db.Create(dir, "Find");
        ASSERT_EQ(engine.OpenDatabase(FilePath(base)), 1);
        NewWindow();
    }
    // A fresh Find window, as the Find command opens it.
    void NewWindow() {
        target = {};
        reporter.Clear();
        window.emplace(engine, reporter, target);
        window->show();
    }
    // The text as the user enters it (typing cannot give "é" here), then the fields.
    void Enter(const char* text, std::vector<int> entries) {
        window->SearchStr()->insert(ToQString(text));
        for (int entry : entries)
            ClickEntry(window->FldList(), entry);
    }
    void ClickSearch() { QTest::mouseClick(window->BtnSearch(), Qt::LeftButton); }

    TempDir dir;
    RecordingReporter reporter;
    modDB engine{reporter, MachineFileSystem()};
    RecordingTarget target;
    std::optional<frmSearch> window;
};

// Each row searches the same records from the start, through to "No more records."; the
// record marked deleted (2) is searched like any other. Without text or a chosen field the
// button does nothing at all.
TEST_F(SearchTest, SubstringIgnoringCaseInAnyChosenField) {
    Open({{"JOANNA", "Rome", "Rome"},
          {"Hannah", "Oslo", "via Rome"},
          {"Anna Berg", "ROME", "Oslo"},
          {"Caf\xC9 Max", "", ""}},
         2);
    const struct {
        const char* typed;
        std::vector<int> entries;
        const char* shownText; // the search box once the step has run
        Hits hits;
        bool runs = true;
    } rows[] = {
        {"ann", {0}, "ANN", {{1, 1}, {2, 1}, {3, 1}}},
        {"  x ", {0}, "X", {{4, 1}}},
        {"a b", {0}, "A B", {{3, 1}}},
        {"caf\xE9", {0}, "CAF\xC9", {{4, 1}}},
        {"bob", {0, 1, 2}, "BOB", {}},
        // The page shown is that of the first chosen field, in list order, that matches.
        {"rome", {2, 1}, "ROME", {{1, 2}, {2, 3}, {3, 2}}},
        {"ann", {}, "ANN", {}, false},
        {"", {0}, "", {}, false},
        {"   ", {0}, "", {}, false},
        {"ann", {3}, "ANN", {}, false}, // a free slot cannot be chosen
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        NewWindow();
        Enter(row.typed, row.entries);
        ClickSearch();
        EXPECT_EQ(window->SearchStr()->text(), ToQString(row.shownText));
        EXPECT_EQ(window->BtnSearch()->text(), row.hits.empty() ? "Search" : "Again");
        EXPECT_EQ(window->SearchStr()->isEnabled() || window->FldList()->isEnabled(), !row.runs);
        for (int again = 0; again < 10 && window->isVisible(); ++again)
            ClickSearch();
        EXPECT_EQ(target.shown, row.hits);
        EXPECT_EQ(reporter.messages, row.runs ? kNoMoreRecords : std::vector<RecordedMessage>{});
        EXPECT_EQ(target.selected, row.runs ? 4 : 0); // the next Find goes on from the last record
    }
    EXPECT_EQ(window->windowTitle(), "Find");
}

// Typing, choosing two fields and searching without the mouse: Tab into the list, arrows
// to move, Space to choose, Enter to search; Enter again for "Again". Escape closes and
// keeps the hit as the place where the next Find goes on (the Cancel button is driven from
// the data-entry window's tests).
TEST_F(SearchTest, KeyboardOnly) {
    Open({{"x", "x", "x"}, {"x", "x", "Oslo"}, {"x", "Oslo", "x"}});
    QApplication::setActiveWindow(&*window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&*window));
    window->SearchStr()->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "oslo");
    for (Qt::Key key :
         {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Space, Qt::Key_Down, Qt::Key_Space, Qt::Key_Return})
        QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(target.shown, (Hits{{2, 3}}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(target.shown, (Hits{{2, 3}, {3, 2}}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(target.selected, 3);
}

} // namespace
} // namespace tabulo::test
