// A new design over the records of a database: values follow their field by identity,
// every record keeps its place and mark, and the plan tells beforehand what is rewritten,
// removed and cut. Lossy changes are made only when allowed.

#include "NamedCase.h"
#include "RecordingReporter.h"
#include "TempDir.h"
#include "TestDb.h"
#include "design/DesignJson.h"
#include "design/Restructure.h"
#include "engine/PosixFileSystem.h"

#include <gtest/gtest.h>

namespace tabulo::design {
namespace {

// ID (characters 1-4), NAME (5-14), CITY (15-22); the second record marked deleted.
test::TestDb ThreePeople() {
    test::TestDb db;
    db.AddField("ID", 4, "#").AddField("NAME", 10, "A").AddField("CITY", 8, "U");
    return db.AddRecord({" 1", "Ann", "ROME"})
        .AddDeletedRecord({" 2", "Bartholo", "OSLO"})
        .AddRecord({" 3", "  Cy", ""});
}

struct Change {
    const char* what;
    std::string json;                 // the new description
    std::string plan;                 // the plan's text
    std::vector<std::string> records; // mark, then each new field's characters, right-trimmed
};

std::vector<Change> Changes() {
    const std::string id = R"({"name":"ID","length":4,"format":"#"})";
    const std::string name = R"({"name":"NAME","length":10})";
    const std::string city = R"({"name":"CITY","length":8})";
    const std::vector<std::string> same = {" | 1|Ann|ROME", "*| 2|Bartholo|OSLO", " | 3|  Cy|"};
    return {
        {"a header-only change",
         R"({"window":{"width":5000},"fields":[)" + id + "," + name + "," + city + "]}",
         "Test.Tbd: 3 records rewritten\n", same},
        {"a field added",
         R"({"fields":[)" + id + "," + name + "," + city + R"(,{"name":"PHONE","length":6}]})",
         "Test.Tbd: 3 records rewritten, record length 23 -> 29\nadded: PHONE\n",
         {" | 1|Ann|ROME|", "*| 2|Bartholo|OSLO|", " | 3|  Cy||"}},
        {"a field removed",
         R"({"fields":[)" + id + "," + name + "]}",
         "Test.Tbd: 3 records rewritten, record length 23 -> 15\nremoved: CITY (2 values: "
         "records 1, 2)\n",
         {" | 1|Ann", "*| 2|Bartholo", " | 3|  Cy"}},
        {"a field renamed",
         R"({"fields":[)" + id + R"(,{"name":"FULLNAME","was":"NAME","length":10},)" + city + "]}",
         "Test.Tbd: 3 records rewritten\nrenamed: NAME -> FULLNAME\n", same},
        {"a field lengthened",
         R"({"fields":[)" + id + R"(,{"name":"NAME","length":30},)" + city + "]}",
         "Test.Tbd: 3 records rewritten, record length 23 -> 43\n",
         {" | 1|Ann|ROME", "*| 2|Bartholo|OSLO", " | 3|  Cy|"}},
        {"a field shortened without a cut",
         R"({"fields":[)" + id + R"(,{"name":"NAME","length":8},)" + city + "]}",
         "Test.Tbd: 3 records rewritten, record length 23 -> 21\n",
         {" | 1|Ann|ROME", "*| 2|Bartholo|OSLO", " | 3|  Cy|"}},
        {"a field shortened past its values",
         R"({"fields":[)" + id + R"(,{"name":"NAME","length":3},)" + city + "]}",
         "Test.Tbd: 3 records rewritten, record length 23 -> 16\ncut: NAME to 3 characters "
         "(1 value: record 2)\n",
         {" | 1|Ann|ROME", "*| 2|Bar|OSLO", " | 3|Cy|"}},
        {"offsets reordered",
         R"({"fields":[{"name":"CITY","length":8,"offset":1},{"name":"NAME","length":10,)"
         R"("offset":9},{"name":"ID","length":4,"format":"#","offset":19}]})",
         "Test.Tbd: 3 records rewritten\n",
         {" |ROME|Ann| 1", "*|OSLO|Bartholo| 2", " ||  Cy| 3"}},
        {"a longer record",
         R"({"recordLength":100,"fields":[)" + id + "," + name + "," + city + "]}",
         "Test.Tbd: 3 records rewritten, record length 23 -> 100\n", same},
    };
}

class Restructuring : public testing::TestWithParam<Change> {
protected:
    void SetUp() override {
        base = ThreePeople().Create(dir);
        old = test::ReadFileBytes(base + ".Tbd");
        std::string name = base;
        ASSERT_EQ(db.OpenDatabase(FilePath(name)), 1);
    }
    Restructure Plan(const std::string& json) {
        ParsedDesign parsed = ParseDesign(json, ".");
        EXPECT_TRUE(parsed.ok) << parsed.error;
        return PlanRestructure(db, parsed.design);
    }
    // Every record as "mark|field|field..." in the order of the open design's fields.
    std::vector<std::string> Records() {
        std::vector<std::string> records;
        const Design now = DesignFromHeader(db.Header());
        for (long k = 1; k <= db.GetRecordCount(); ++k) {
            db.SetRecordNo(k);
            db.ReadRecord();
            const std::string& record = db.GetRecordBuffer();
            std::string text(1, record[0]);
            for (const Field& f : now.fields) {
                std::string value = record.substr(size_t(f.offset), size_t(f.length));
                text += "|" + value.substr(0, value.find_last_not_of(' ') + 1);
            }
            records.push_back(text);
        }
        return records;
    }

    test::TempDir dir;
    test::RecordingReporter reporter;
    modDB db{reporter, MachineFileSystem()};
    test::RecordingProgress progress;
    std::string base, old;
};

TEST_P(Restructuring, PlansThenCarriesEveryValue) {
    const Restructure r = Plan(GetParam().json);
    ASSERT_TRUE(r.problems.empty()) << r.problems[0].Text();
    EXPECT_EQ(r.plan.Text("Test.Tbd"), GetParam().plan);
    EXPECT_EQ(test::ReadFileBytes(base + ".Tbd"), old) << "planning writes nothing";

    if (r.plan.LosesValues()) {
        EXPECT_EQ(ApplyRestructure(db, r, false, progress), 0);
        EXPECT_EQ(test::ReadFileBytes(base + ".Tbd"), old) << "refused: not a byte changed";
        reporter.Clear();
    }
    ASSERT_EQ(ApplyRestructure(db, r, true, progress), 1);
    EXPECT_TRUE(reporter.messages.empty()) << reporter.messages[0].text;
    EXPECT_EQ(Records(), GetParam().records);
    EXPECT_EQ(EncodeHeader(db.Header()).substr(4),
              EncodeHeader(HeaderFromDesign(r.next)).substr(4));
    EXPECT_EQ(test::ReadFileBytes(base + ".Bak"), old);
}

INSTANTIATE_TEST_SUITE_P(Design, Restructuring, testing::ValuesIn(Changes()),
                         test::CaseName<Change>);

TEST_F(Restructuring, DescriptionsThatCannotBeLinkedAreRefused) {
    const std::string city = R"({"name":"CITY","length":8})";
    Restructure r = Plan(R"({"fields":[{"name":"TOWN","was":"VILLAGE","length":8}]})");
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_EQ(r.problems[0].Text(), "fields[0].was: no field VILLAGE in the database");
    r = Plan(R"({"fields":[)" + city + R"(,{"name":"TOWN","was":"CITY","length":8,"offset":9}]})");
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_EQ(r.problems[0].Text(),
              "fields[1].was: the values of this field go to fields[0] already");
}

TEST_F(Restructuring, AnEmptyDatabaseAndALargeOneKeepEveryRecord) {
    db.CloseDatabase();
    test::TestDb empty;
    empty.AddField("ID", 4, "#").AddField("NAME", 10);
    std::string name = empty.Create(dir, "Empty");
    ASSERT_EQ(db.OpenDatabase(FilePath(name)), 1);
    Restructure r = Plan(R"({"fields":[{"name":"NAME","length":20}]})");
    EXPECT_EQ(r.plan.Text("Empty.Tbd"), "Empty.Tbd: 0 records rewritten, record length 15 -> 21\n"
                                        "removed: ID (no values)\n");
    ASSERT_EQ(ApplyRestructure(db, r, false, progress), 1);
    EXPECT_EQ(db.GetRecordCount(), 0);
    EXPECT_EQ(db.Header().RecordLength, 21);

    // The most records a file holds, every seventh marked: one field added, one lengthened.
    db.CloseDatabase();
    const DBHeader header = ThreePeople().Header();
    std::string bytes = EncodeHeader(header);
    for (long k = 1; k <= kMaxRecords; ++k) {
        const std::string number = std::to_string(k);
        bytes += (k % 7 == 0 ? "*" : " ") + FixedString(std::to_string(k % 10000), 4) +
                 FixedString("N" + number, 10) + FixedString("C", 8);
    }
    bytes.replace(0, 4, std::string("\xFA\xFF\0\0", 4)); // 65,530
    test::WriteFileBytes(dir.File("Big.Tbd"), bytes);
    name = dir.File("Big");
    ASSERT_EQ(db.OpenDatabase(FilePath(name)), 1);
    r = Plan(R"({"fields":[{"name":"ID","length":6},{"name":"NAME","length":12},)"
             R"({"name":"CITY","length":8},{"name":"NEW","length":5}]})");
    EXPECT_EQ(r.plan.records, kMaxRecords);
    ASSERT_EQ(ApplyRestructure(db, r, false, progress), 1);
    ASSERT_EQ(db.GetRecordCount(), kMaxRecords);
    for (long k : {1L, 7L, 40000L, kMaxRecords}) {
        db.SetRecordNo(k);
        db.ReadRecord();
        const std::string& record = db.GetRecordBuffer();
        EXPECT_EQ(record, std::string(k % 7 == 0 ? "*" : " ") +
                              FixedString(std::to_string(k % 10000), 6) +
                              FixedString("N" + std::to_string(k), 12) + FixedString("C", 8) +
                              std::string(5, ' '));
    }
}

} // namespace
} // namespace tabulo::design
