// The sample scripts run the way the program runs them: the script host with the real Tb,
// on the sample files built into a fresh folder, so FindCity looks up the real Cities.

#include "Description.h"
#include "NamedCase.h"
#include "RecordingReporter.h"
#include "RecordingScriptUi.h"
#include "RecordingScriptWindow.h"
#include "TempDir.h"
#include "engine/PosixFileSystem.h"
#include "engine/modDB.h"
#include "script/ScriptRunner.h"
#include "vbscript/ScriptEngine.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace tabulo::cli {
namespace {

class ContactsScript : public testing::Test {
protected:
    void SetUp() override {
        for (std::string name : {"Contacts", "Cities", "Inventory", "Books"})
            ASSERT_EQ(MakeDatabase(FilePath(std::string(TABULO_SAMPLES_DIR) + "/" + name + ".json"),
                                   FilePath(dir.File(name + ".Tbd"))),
                      "");
        std::filesystem::current_path(dir.Path()); // the script opens "Cities" from here
        ASSERT_EQ(db.OpenDatabase(FilePath(Sample())), 1);
        ASSERT_EQ(db.SetRecordNo(1), 1);
        runner.SetUi(&ui);
    }
    void TearDown() override { std::filesystem::current_path(previousDir); }
    virtual std::string Sample() const { return "Contacts"; }

    void Show(const std::string& field, const std::string& value) {
        ASSERT_EQ(db.WriteField(db.FindField(field), value), 1) << field;
    }
    std::string Shown(const std::string& field) {
        std::string value;
        EXPECT_EQ(db.ReadField(db.FindField(field), value), 1) << field;
        return value;
    }

    test::TempDir dir;
    std::filesystem::path previousDir = std::filesystem::current_path();
    test::RecordingReporter reporter;
    test::RecordingScriptWindow window; // its clock stands at 07/03/2024 09:05:03
    modDB db{reporter, MachineFileSystem()};
    ScriptRunner runner{db, window, reporter};
    test::RecordingScriptUi ui;
};

TEST_F(ContactsScript, StartAddsTheTwoActions) {
    EXPECT_EQ(runner.RunScriptProc("Start"), 0);
    EXPECT_TRUE(window.menuVisible);
    EXPECT_EQ(window.captions[1], "FindCity");
    EXPECT_EQ(window.captions[2], "CalledToday");
    EXPECT_EQ(window.captions[3], "");
    EXPECT_TRUE(reporter.messages.empty()) << reporter.messages.front();
}

struct ScriptCase {
    const char* what;
    const char* procedure;
    std::map<std::string, std::string> onScreen;
    std::map<std::string, std::string> afterwards; // fields expected to hold these values
    std::vector<std::string> messages;             // the script's own MsgBox prompts
    int cancel;
    const char* sample = "Contacts"; // the database whose first record is on screen
};

// clang-format off
std::vector<ScriptCase> Cases() {
    return {
        {"update refuses a newsletter without an address", "Update",
         {{"NEWSLETTER", "Y"}, {"EMAIL", ""}}, {{"CHANGED", "02/11/2026"}},
         {"The newsletter needs an e-mail address."}, -1},
        {"update stamps the date of the change", "Update",
         {{"NEWSLETTER", "N"}, {"EMAIL", ""}}, {{"CHANGED", "07/03/2024"}}, {}, 0},
        {"find city by a postal code in any case", "FindCity",
         {{"ZIP", "sw1a 1aa"}}, {{"CITY", "London"}, {"COUNTRY", "United Kingdom"}}, {}, 0},
        {"find city with an unknown postal code", "FindCity",
         {{"ZIP", "9999"}}, {{"COUNTRY", "Switzerland"}}, {"No city has the postal code 9999."}, 0},
        {"find city without a postal code", "FindCity",
         {{"ZIP", ""}}, {}, {"Type a postal code first."}, 0},
        {"called today", "CalledToday",
         {}, {{"LASTCALL", "07/03/2024"}, {"CALLTIME", "09:05:03"}}, {}, 0},
        {"inventory below its reorder level", "Update",
         {{"QUANTITY", "6"}, {"UNITPRICE", "4.50"}, {"REORDER", "10"}},
         {{"STOCKVALUE", "27.00"}, {"STATUS", "low stock: reorder"}}, {}, 0, "Inventory"},
        {"inventory out of stock", "Update",
         {{"QUANTITY", ""}}, {{"STOCKVALUE", "0.00"}, {"STATUS", "out of stock"}}, {}, 0,
         "Inventory"},
        {"inventory in stock", "Update",
         {{"QUANTITY", "200"}, {"UNITPRICE", "129"}, {"REORDER", ""}},
         {{"STOCKVALUE", "25,800.00"}, {"STATUS", "in stock"}}, {}, 0, "Inventory"},
        {"inventory counted today", "Counted", {}, {{"COUNTED", "07/03/2024"}}, {}, 0, "Inventory"},
        {"books refuse a rating past five", "Update",
         {{"RATING", "7"}}, {}, {"A rating goes from 1 to 5."}, -1, "Books"},
        {"books date a new loan", "Update",
         {{"LENTTO", "Anna Berg"}, {"LENTON", ""}}, {{"LENTON", "07/03/2024"}}, {}, 0, "Books"},
        {"books returned", "Returned", {}, {{"LENTTO", ""}, {"LENTON", ""}}, {}, 0, "Books"},
    };
}
// clang-format on

class SampleProcedure : public ContactsScript, public testing::WithParamInterface<ScriptCase> {
protected:
    std::string Sample() const override { return GetParam().sample; }
};

TEST_P(SampleProcedure, Runs) {
    const ScriptCase& c = GetParam();
    for (const auto& [field, value] : c.onScreen)
        Show(field, value);
    EXPECT_EQ(runner.RunScriptProc(c.procedure), c.cancel);
    for (const auto& [field, value] : c.afterwards)
        EXPECT_EQ(Shown(field), value) << field;
    EXPECT_EQ(ui.Prompts(), c.messages);
    EXPECT_TRUE(reporter.messages.empty()) << reporter.messages.front();
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleProcedure, testing::ValuesIn(Cases()),
                         test::CaseName<ScriptCase>);

} // namespace
} // namespace tabulo::cli
