// The Find window on real widgets over a real engine; the data-entry window behind it is a
// recorder of the hits it was asked to show.

#include "../dialogs/ListClicks.h"
#include "RecordingReporter.h"
#include "TempDir.h"
#include "TestDb.h"
#include "dialogs/QtText.h"
#include "engine/modDB.h"
#include "search/SearchTarget.h"
#include "search/frmSearch.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace tabulo::test {
namespace {

struct Shown {
    long record;
    int page;
    bool operator==(const Shown&) const = default;
};

class RecordingTarget : public SearchTarget {
public:
    long selected = 0;
    std::vector<Shown> shown;
    long SelectedRecord() const override { return selected; }
    void SetSelectedRecord(long record) override { selected = record; }
    void ShowHit(long record, int page) override {
        selected = record;
        shown.push_back({record, page});
    }
};

const RecordedMessage kNoMoreRecords{"Tabulo", "No more records.", MsgIcon::None};

class SearchTest : public ::testing::Test {
protected:
    // Fields NAME (page 1), CITY (page 2), NOTE (page 3).
    static TestDb ThreeFieldDb() {
        TestDb db;
        db.AddField("NAME", 20, "A", 1).AddField("CITY", 20, "A", 2).AddField("NOTE", 20, "*", 3);
        return db;
    }

    void Open(const TestDb& db) {
        std::string base = db.Create(dir, "Find");
        ASSERT_EQ(engine.OpenDatabase(base), 1);
        window.emplace(engine, reporter, target);
        window->show();
    }
    void Type(const char* text) { QTest::keyClicks(window->SearchStr(), text); }
    void Select(int entry) { ClickEntry(window->FldList(), entry); }
    void ClickSearch() { QTest::mouseClick(window->BtnSearch(), Qt::LeftButton); }

    TempDir dir;
    RecordingReporter reporter;
    modDB engine{reporter};
    RecordingTarget target;
    std::optional<frmSearch> window;
};

TEST_F(SearchTest, OpensEmptyWithOneEntryPerFieldNumber) {
    TestDb db = ThreeFieldDb();
    db.SetField(5, db.Header().Fields[0]); // slot 4 stays free
    Open(db);
    EXPECT_EQ(window->windowTitle(), "Find");
    EXPECT_EQ(window->SearchStr()->text(), "");
    EXPECT_EQ(window->BtnSearch()->text(), "Search");
    QListWidget* list = window->FldList();
    ASSERT_EQ(list->count(), 5);
    EXPECT_EQ(list->item(0)->text(), "NAME");
    EXPECT_EQ(list->item(3)->text(), "");
    EXPECT_EQ(list->item(4)->text(), "NAME");
    EXPECT_TRUE(list->selectedItems().isEmpty());
    Select(3);
    EXPECT_TRUE(list->selectedItems().isEmpty()) << "a free slot cannot be chosen";
}

// The five-record example: hits at 2 and 4 (4 is marked deleted), then the end.
TEST_F(SearchTest, SearchAgainAndNoMoreRecords) {
    TestDb db = ThreeFieldDb();
    db.AddRecord({"Bob"}).AddRecord({"Ann"}).AddRecord({"Carl"});
    db.AddDeletedRecord({"Hannah"}).AddRecord({"Dora"});
    Open(db);
    Type("ann");
    Select(0);
    ClickSearch();
    EXPECT_EQ(target.shown, (std::vector<Shown>{{2, 1}}));
    EXPECT_EQ(engine.GetRecordNo(), 2);
    EXPECT_EQ(window->SearchStr()->text(), "ANN");
    EXPECT_EQ(window->BtnSearch()->text(), "Again");
    EXPECT_TRUE(window->BtnSearch()->isEnabled());
    EXPECT_FALSE(window->SearchStr()->isEnabled());
    EXPECT_FALSE(window->FldList()->isEnabled());
    EXPECT_TRUE(window->isVisible());

    ClickSearch();
    EXPECT_EQ(target.shown, (std::vector<Shown>{{2, 1}, {4, 1}}));
    EXPECT_TRUE(reporter.messages.empty());

    ClickSearch();
    EXPECT_EQ(reporter.messages, std::vector<RecordedMessage>{kNoMoreRecords});
    EXPECT_EQ(target.shown.size(), 2u);
    EXPECT_EQ(target.selected, 5);
    EXPECT_EQ(engine.GetRecordNo(), 5);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
}

struct MatchCase {
    const char* name;
    const char* stored;
    const char* typed;
    const char* shownText; // the search box once the step has run
    bool hit;
};

class SearchMatchTest : public SearchTest, public ::testing::WithParamInterface<MatchCase> {};

TEST_P(SearchMatchTest, SubstringIgnoringCase) {
    const MatchCase& c = GetParam();
    TestDb db = ThreeFieldDb();
    db.AddRecord({c.stored});
    Open(db);
    window->SearchStr()->insert(ToQString(c.typed)); // typing cannot give "é" here
    Select(0);
    ClickSearch();
    EXPECT_EQ(window->SearchStr()->text(), ToQString(c.shownText));
    EXPECT_EQ(target.shown.size(), c.hit ? 1u : 0u);
    EXPECT_EQ(reporter.messages.size(), c.hit ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SearchMatchTest,
    ::testing::Values(MatchCase{"SameCase", "Ann", "Ann", "ANN", true},
                      MatchCase{"InsideUpperCase", "JOANNA", "ann", "ANN", true},
                      MatchCase{"InsideMixedCase", "Hannah", "ann", "ANN", true},
                      MatchCase{"BlanksAroundTrimmed", "Max", "  x ", "X", true},
                      MatchCase{"InnerBlankKept", "Anna Berg", "a b", "A B", true},
                      MatchCase{"AccentedLetters", "Caf\xC9", "caf\xE9", "CAF\xC9", true},
                      MatchCase{"NoMatch", "Ann", "bob", "BOB", false},
                      MatchCase{"LongerThanValue", "Ann", "Anne", "ANNE", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct TwoFieldCase {
    const char* name;
    std::vector<std::string> record; // NAME, CITY, NOTE
    int expectedPage;
};

class SearchTwoFieldsTest : public SearchTest,
                            public ::testing::WithParamInterface<TwoFieldCase> {};

// CITY and NOTE chosen (in that order on the list): either one matching is a hit, and the
// page shown is that of the first chosen field in list order that matches.
TEST_P(SearchTwoFieldsTest, PageOfFirstMatchingField) {
    TestDb db = ThreeFieldDb();
    db.AddRecord(GetParam().record);
    Open(db);
    Type("rome");
    Select(2);
    Select(1);
    ClickSearch();
    EXPECT_EQ(target.shown, (std::vector<Shown>{{1, GetParam().expectedPage}}));
}

INSTANTIATE_TEST_SUITE_P(Values, SearchTwoFieldsTest,
                         ::testing::Values(TwoFieldCase{"BothMatch", {"Rome", "Rome", "Rome"}, 2},
                                           TwoFieldCase{
                                               "SecondOnly", {"Rome", "Oslo", "via Rome"}, 3},
                                           TwoFieldCase{"FirstOnly", {"", "ROME", "Oslo"}, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

struct IdleCase {
    const char* name;
    const char* typed;
    bool selectField;
};

class SearchIdleTest : public SearchTest, public ::testing::WithParamInterface<IdleCase> {};

TEST_P(SearchIdleTest, DoesNothing) {
    TestDb db = ThreeFieldDb();
    db.AddRecord({"Ann"}).AddRecord({"   "});
    Open(db);
    engine.SetRecordNo(2);
    Type(GetParam().typed);
    if (GetParam().selectField) Select(0);
    ClickSearch();
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_TRUE(target.shown.empty());
    EXPECT_EQ(engine.GetRecordNo(), 2);
    EXPECT_EQ(window->BtnSearch()->text(), "Search");
    EXPECT_TRUE(window->SearchStr()->isEnabled());
    EXPECT_TRUE(window->FldList()->isEnabled());
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Values, SearchIdleTest,
                         ::testing::Values(IdleCase{"NoFieldChosen", "ann", false},
                                           IdleCase{"EmptyText", "", true},
                                           IdleCase{"BlankText", "   ", true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CancelCase {
    const char* name;
    void (*cancel)(frmSearch&);
};

class SearchCancelTest : public SearchTest, public ::testing::WithParamInterface<CancelCase> {};

// Cancel, Escape and the close box keep the hit as the place where Find goes on.
TEST_P(SearchCancelTest, KeepsTheHit) {
    TestDb db = ThreeFieldDb();
    db.AddRecord({"Bob"}).AddRecord({"Ann"}).AddRecord({"Anna"});
    Open(db);
    Type("ann");
    Select(0);
    ClickSearch();
    GetParam().cancel(*window);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(target.selected, 2);
    EXPECT_EQ(engine.GetRecordNo(), 2);
    EXPECT_TRUE(reporter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Values, SearchCancelTest,
    ::testing::Values(
        CancelCase{"CancelButton",
                   [](frmSearch& w) { QTest::mouseClick(w.BtnCancel(), Qt::LeftButton); }},
        CancelCase{"Escape", [](frmSearch& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
        CancelCase{"CloseBox", [](frmSearch& w) { w.close(); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Typing, choosing two fields and searching without the mouse: Tab into the list, arrows
// to move, Space to choose, Enter to search; Enter again for "Again".
TEST_F(SearchTest, KeyboardOnly) {
    TestDb db = ThreeFieldDb();
    db.AddRecord({"x", "x", "x"}).AddRecord({"x", "x", "Oslo"}).AddRecord({"x", "Oslo", "x"});
    Open(db);
    QApplication::setActiveWindow(&*window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&*window));
    window->SearchStr()->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "oslo");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window->FldList());
    QTest::keyClick(window->FldList(), Qt::Key_Down);
    QTest::keyClick(window->FldList(), Qt::Key_Space);
    QTest::keyClick(window->FldList(), Qt::Key_Down);
    QTest::keyClick(window->FldList(), Qt::Key_Space);
    EXPECT_EQ(window->FldList()->selectedItems().size(), 2);
    QTest::keyClick(window->FldList(), Qt::Key_Return);
    EXPECT_EQ(target.shown, (std::vector<Shown>{{2, 3}}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(target.shown, (std::vector<Shown>{{2, 3}, {3, 2}}));
}

} // namespace
} // namespace tabulo::test
