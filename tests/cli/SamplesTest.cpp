// The shipped sample databases: the contacts form shows off every input code, its records
// pass the checks made before saving, its look-ups find their data in Cities; and the sample
// scripts run the way the program runs them: the script host with the real Tb, on the
// sample files built into a fresh folder, so FindCity looks up the real Cities.

#include "CliFiles.h"
#include "CliFixture.h"
#include "NamedCase.h"
#include "RecordingReporter.h"
#include "RecordingScriptUi.h"
#include "RecordingScriptWindow.h"
#include "base/modLIB.h"
#include "editor/rules/UpdateChecks.h"
#include "engine/PosixFileSystem.h"
#include "engine/modDB.h"
#include "script/ScriptRunner.h"

#include <filesystem>
#include <map>

namespace tabulo::cli {
namespace {

DatabaseImage BuildSample(const std::string& name) {
    std::string json;
    EXPECT_TRUE(ReadWholeFile(std::string(TABULO_SAMPLES_DIR) + "/" + name + ".json", json));
    BuildResult built = BuildDatabase(json, TABULO_SAMPLES_DIR);
    EXPECT_TRUE(built.ok) << name << ": " << built.error;
    return built.image;
}

// The values of the field `name` in every record.
std::vector<std::string> Column(const DatabaseImage& db, std::string_view name) {
    std::vector<std::string> values;
    for (int slot = 1; slot <= db.header.FieldCount; ++slot) {
        const DBField& f = db.header.Fields[slot - 1];
        if (TrimSpaces(f.Name) == name)
            for (const std::string& record : db.records)
                values.push_back(TrimSpaces(std::string_view(record).substr(f.Offset, f.Length)));
    }
    return values;
}

class ContactsSample : public testing::Test {
protected:
    DatabaseImage contacts = BuildSample("Contacts");
    const DBHeader& h = contacts.header;
};

// Every field has a label to its left and fits the window, every value passes the checks
// made before saving, and the fields together use every input code.
TEST_F(ContactsSample, FormAndRecordsShowOffEveryInputCode) {
    const int clientWidth = h.Window.Width / 15;
    std::string used;
    for (int slot = 1; slot <= h.FieldCount; ++slot) {
        const DBField& f = h.Fields[slot - 1];
        const std::string name = TrimSpaces(f.Name);
        used += f.Format;
        EXPECT_LE(f.Left + f.Width, clientWidth) << name;
        EXPECT_TRUE(std::any_of(h.Banners.begin(), h.Banners.end(),
                                [&](const DBBanner& b) {
                                    return b.Page == f.Page && b.Left < f.Left &&
                                           std::abs(b.Top - f.Top) <= 5;
                                }))
            << name << " has no label to its left";
        const bool yesNo = f.Format.find('Y') != std::string::npos;
        for (const std::string& v : Column(contacts, name)) {
            EXPECT_EQ(CheckFieldValue(f.Format, v, h.DateOrder), "") << name << " " << v;
            EXPECT_TRUE(!yesNo || v == "Y" || v == "N") << name << " " << v;
        }
    }
    for (char code : std::string_view("*ANS.-ULFMEWYDT!#=H<>^"))
        EXPECT_NE(used.find(code), std::string::npos) << "no field uses \"" << code << "\"";
}

TEST_F(ContactsSample, EveryPostalCodeIsFoundInCities) {
    const DatabaseImage cities = BuildSample("Cities");
    for (int slot = 1; slot <= cities.header.FieldCount; ++slot)
        for (char ch : TrimSpaces(cities.header.Fields[slot - 1].Name))
            EXPECT_FALSE(modLIB::IsLower(ch)) << "look-ups need capitals";
    const std::vector<std::string> known = Column(cities, "ZIP");
    for (const std::string& zip : Column(contacts, "ZIP"))
        EXPECT_NE(std::find(known.begin(), known.end(), zip), known.end()) << zip;
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

// The sample's first record on screen, Cities beside it for the look-ups.
class SampleProcedure : public CliTest, public testing::WithParamInterface<ScriptCase> {
protected:
    void SetUp() override {
        MakeSample(GetParam().sample);
        MakeSample("Cities");
        std::filesystem::current_path(dir.Path()); // the script opens "Cities" from here
        ASSERT_EQ(db.OpenDatabase(Path(GetParam().sample)), 1);
        ASSERT_EQ(db.SetRecordNo(1), 1);
        runner.SetUi(&ui);
    }
    void TearDown() override { std::filesystem::current_path(previousDir); }

    std::filesystem::path previousDir = std::filesystem::current_path();
    test::RecordingReporter reporter;
    test::RecordingScriptWindow window; // its clock stands at 07/03/2024 09:05:03
    modDB db{reporter, MachineFileSystem()};
    ScriptRunner runner{db, window, reporter};
    test::RecordingScriptUi ui;
};

TEST_P(SampleProcedure, Runs) {
    const ScriptCase& c = GetParam();
    for (const auto& [field, value] : c.onScreen)
        ASSERT_EQ(db.WriteField(db.FindField(field), value), 1) << field;
    EXPECT_EQ(runner.RunScriptProc(c.procedure), c.cancel);
    for (const auto& [field, value] : c.afterwards) {
        std::string shown;
        EXPECT_EQ(db.ReadField(db.FindField(field), shown), 1) << field;
        EXPECT_EQ(shown, value) << field;
    }
    EXPECT_EQ(ui.Prompts(), c.messages);
    EXPECT_TRUE(reporter.messages.empty()) << reporter.messages.front();
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleProcedure, testing::ValuesIn(Cases()),
                         test::CaseName<ScriptCase>);

} // namespace
} // namespace tabulo::cli
