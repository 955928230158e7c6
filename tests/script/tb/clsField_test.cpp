#include "TbFixture.h"

#include <functional>

namespace tabulo::test {
namespace {

// One refused call: the state it starts from, the call, and the one box it must show.
struct Refusal {
    const char* what;
    bool lookupOpen;
    std::function<void(clsField&)> call;
    const char* title;
    std::string text;
};

const Refusal kRefusals[] = {
    {"unknown field", false, [](clsField& tb) { tb.GetField("Phone"); }, "GetField",
     "FIELD Phone NOT FOUND"},
    {"case differs", false, [](clsField& tb) { tb.SetField("NAME", "x"); }, "SetField",
     "FIELD NAME NOT FOUND"},
    {"second open", true, [](clsField& tb) { tb.OpenDB("Other"); }, "Open File",
     "Database already open"},
    {"missing file", false, [](clsField& tb) { tb.OpenDB(" nowhere/Gone.tbd"); }, "Open File",
     "Database: nowhere/Gone.tbd not found"},
    {"count, none open", false, [](clsField& tb) { tb.GetDBCount(); }, "GetDBCount",
     "Database not open"},
    {"read, none open", false, [](clsField& tb) { tb.GetDBField(1, "CODE"); }, "GetDBField",
     "Database not open"},
    {"read past the count", true, [](clsField& tb) { tb.GetDBField(4, "CODE"); }, "GetDBField",
     "Record out of range"},
    {"read unknown field", true, [](clsField& tb) { tb.GetDBField(1, "ZIP"); }, "GetDBField",
     "Invalid Field Name"},
    {"write, none open", false, [](clsField& tb) { tb.SetDBField(1, "CODE", "x"); }, "SetDBField",
     "Database not open"},
    {"write record -1", true, [](clsField& tb) { tb.SetDBField(-1, "CODE", "x"); }, "SetDBField",
     "Record out of range"},
    {"write unknown field", true, [](clsField& tb) { tb.SetDBField(1, "Region", "x"); },
     "SetDBField", "Invalid Field Name"},
    {"blank action", false,
     [](clsField& tb) {
         std::string name = "   ";
         tb.SetAction(name);
     },
     "SetAction", "Invalid Action Name"},
    {"list, none open", false, [](clsField& tb) { tb.GetDBList({"CODE"}); }, "GetDBList",
     "Database not opened"},
    {"list unknown field", true,
     [](clsField& tb) {
         tb.GetDBList({"CODE", "ZIP"});
     },
     "GetDBList", "Database Field not found"},
};

class RefusalTest : public TbTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusalTest, ShowsOneCriticalBoxAndLeavesCancelTrue) {
    const Refusal& r = GetParam();
    if (r.lookupOpen) OpenLookup();
    r.call(tb);
    EXPECT_EQ(reporter.messages, (std::vector<RecordedMessage>{{r.title, r.text}}));
    EXPECT_EQ(tb.Cancel, -1);
    EXPECT_TRUE(window.browseCalls.empty());
}

INSTANTIATE_TEST_SUITE_P(Messages, RefusalTest, ::testing::ValuesIn(kRefusals), CaseName<Refusal>);

TEST_F(TbTest, CancelStaysTrueAfterAFailureUntilTheNextSuccess) {
    EXPECT_EQ(tb.GetField("Phone"), "");
    EXPECT_EQ(tb.Cancel, -1);
    // Methods outside the veto leave it as it is.
    tb.GetDate();
    tb.GetTime();
    tb.EnableDelete();
    tb.GetPass("Password", "");
    EXPECT_EQ(tb.Cancel, -1);
    EXPECT_EQ(tb.GetField("Name"), "Ann");
    EXPECT_EQ(tb.Cancel, 0);
    tb.Cancel = -1; // a script may veto by itself
    tb.CloseDB();
    EXPECT_EQ(tb.Cancel, 0);
    EXPECT_TRUE(reporter.messages.size() == 1);
}

TEST_F(TbTest, GetFieldAndSetFieldWorkOnTheRecordBufferOnly) {
    const std::string fileBefore = ReadFileBytes(dir.File("Main.Tbd"));
    tb.SetField("City", "Florence and beyond");
    EXPECT_EQ(tb.Cancel, 0);
    EXPECT_EQ(tb.GetField("City"), "Florence");
    EXPECT_EQ(engine.GetRecordBuffer(), " Ann       Florence");
    EXPECT_EQ(ReadFileBytes(dir.File("Main.Tbd")), fileBefore);
    EXPECT_TRUE(reporter.messages.empty());

    engine.CloseDatabase(); // the engine cannot read the field: Cancel stays true
    EXPECT_EQ(tb.GetField("Name"), "");
    EXPECT_EQ(tb.Cancel, -1);
}

TEST_F(TbTest, SetActionFillsTheFirstFreeEntryAndTrimsTheCallersName) {
    std::string name = "  Check  ";
    tb.SetAction(name);
    EXPECT_EQ(name, "Check");
    EXPECT_EQ(tb.Cancel, 0);
    EXPECT_TRUE(window.menuVisible);
    EXPECT_EQ(window.captions[1], "Check");
    EXPECT_EQ(window.visible, (std::array<bool, 6>{false, true, false, false, false, false}));

    for (std::string more : {"Check", "Third", "Fourth", "Fifth"})
        tb.SetAction(more);
    EXPECT_EQ(window.captions,
              (std::array<std::string, 6>{"", "Check", "Check", "Third", "Fourth", "Fifth"}));
    EXPECT_TRUE(reporter.messages.empty());

    const auto before = window.captions;
    std::string sixth = "Sixth";
    tb.SetAction(sixth);
    EXPECT_EQ(reporter.Only(), (RecordedMessage{"SetAction", "Maximum Actions Already Defined"}));
    EXPECT_EQ(window.captions, before);
    EXPECT_EQ(tb.Cancel, -1);
}

TEST_F(TbTest, DeleteSwitchDateTimeAndPasswordGoToTheWindow) {
    tb.DisableDelete();
    EXPECT_EQ(window.deleteEnabled, false);
    tb.EnableDelete();
    EXPECT_EQ(window.deleteEnabled, true);

    EXPECT_EQ(tb.GetDate(), "07/03/2024");
    EXPECT_EQ(tb.GetTime(), "09:05:03");
    engine.CloseDatabase(); // the date follows the main database's date order
    ASSERT_EQ(engine.OpenDatabase(FilePath(MainDb().SetDateOrder(2).Create(dir, "MonthFirst"))), 1);
    EXPECT_EQ(tb.GetDate(), "03/07/2024");

    window.inputAccepted = "S3cret";
    EXPECT_EQ(tb.GetPass("  Password ", " abc "), "S3cret");
    ASSERT_EQ(window.inputCalls.size(), 1u);
    const auto& call = window.inputCalls[0];
    EXPECT_EQ(call.title, "Password");
    EXPECT_EQ(call.value, "abc");
    EXPECT_EQ(call.maxLen, 32);
    EXPECT_EQ(call.codes, "anp");

    window.inputAccepted.reset(); // closed without Ok: the trimmed default comes back
    EXPECT_EQ(tb.GetPass("Password", " abc "), "abc");
    EXPECT_TRUE(reporter.messages.empty());
}

} // namespace
} // namespace tabulo::test
