// The descriptions through the real program. create builds a database from a description or
// refuses with the place; describe writes a description that create turns back into the same
// file (the shipped samples, with and without their records; made-up designs over every
// member's range go through the same description in tests/design); restructure shows the
// plan first, then the change: exit 0 when done, 1 when refused (the file byte for byte as
// it was), 2 for bad usage.

#include "CliFixture.h"
#include "NamedCase.h"

#include <fstream>

namespace tabulo::cli {
namespace {

class Describe : public CliTest {
protected:
    // describe of `name`.Tbd, then create of that description as Again.Tbd.
    void DescribeAndCreate(const std::string& name, std::vector<std::string> flags = {}) {
        const test::CliResult described = Cli({"describe", name, "-o", "d.json"}, flags);
        ASSERT_EQ(described.status, 0) << described.err;
        const test::CliResult created = Cli({"create", "--force", "d.json", "Again"});
        ASSERT_EQ(created.status, 0) << created.err;
    }
};

// The samples, and a file whose header counts more records than it holds.
TEST_F(Describe, DatabasesComeBackByteForByte) {
    MakeSample("Contacts");
    MakeSample("Cities");
    test::TestDb two;
    two.AddField("A", 3).AddRecord({"abc"}).AddRecord({"def"}).SetRecordCount(5);
    Write(two, "Two");
    for (const char* name : {"Contacts", "Cities", "Two"}) {
        SCOPED_TRACE(name);
        const std::string original = Bytes(std::string(name) + ".Tbd");

        DescribeAndCreate(name, {"--records"});
        EXPECT_EQ(Bytes("Again.Tbd"), original);

        DescribeAndCreate(name);
        // Without records the header counts none.
        EXPECT_EQ(Bytes("Again.Tbd"), std::string(4, '\0') + original.substr(4, kHeaderSize - 4));
    }
}

TEST_F(Describe, CreateBuildsAndRefusesToReplaceWithoutForce) {
    test::WriteFileBytes(File("d.json"), R"({"fields": [{"name": "A", "length": 3}],
                                            "records": [{"A": "x"}]})");
    EXPECT_EQ(Cli({"create", "d.json", "New"}).status, 0);
    EXPECT_EQ(Bytes("New.Tbd").size(), 23496u + 4);
    const test::CliResult again = Cli({"create", "d.json", "New.tbd"});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, "tabulo-cli: New.Tbd exists already (give --force to replace it)\n");
    EXPECT_EQ(Cli({"create", "--force", "d.json", "New"}).status, 0);

    test::WriteFileBytes(File("bad.json"), R"({"fields": [{"name": "A"}]})");
    const test::CliResult bad = Cli({"create", "bad.json", "Bad"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "tabulo-cli: bad.json: fields[0].length: is required\n");
    EXPECT_EQ(Cli({"create", "none.json", "Bad"}).err,
              "tabulo-cli: none.json: cannot read the file\n");
}

struct RestructureCase {
    const char* what;
    std::string json;
    std::vector<std::string> flags;
    int status;
    std::string out;      // standard output, whole
    std::string err;      // a part of standard error ("" when it must be empty)
    bool changed = false; // the database is the new file afterwards
};

const std::string kPlan = "Two.Tbd: 2 records rewritten, record length 14 -> 8\n"
                          "cut: NAME to 3 characters (1 value: record 2)\n";

std::vector<RestructureCase> Cases() {
    const std::string shorter =
        R"({"fields":[{"name":"ID","length":4},{"name":"NAME","length":3}]})";
    // clang-format off
    return {
        {"a dry run", shorter, {"--dry-run"}, 0, kPlan + "dry run: Two.Tbd not changed\n", ""},
        {"a loss not allowed", shorter, {}, 1, kPlan, "values would be lost (give --allow-loss"},
        {"a loss allowed", shorter, {"--allow-loss"}, 0,
         kPlan + "restructured Two.Tbd; the old file is Two.Bak\n", "", true},
        {"a lossless change",
         R"({"fields":[{"name":"ID","length":4},{"name":"FULL","was":"NAME","length":12}]})", {}, 0,
         "Two.Tbd: 2 records rewritten, record length 14 -> 17\nrenamed: NAME -> FULL\n"
         "restructured Two.Tbd; the old file is Two.Bak\n", "", true},
        // A design problem is reported as the design rules word it, with the file's name.
        {"an invalid design", R"({"fields":[{"name":"ID","length":4},{"name":"ID","length":3}]})",
         {}, 1, "", "new.json: fields[1].name: \"ID\" is used twice"},
        {"records in the description", R"({"records":[" x"]})", {}, 1, "",
         "new.json: records: a restructure keeps the database's own records"},
    };
    // clang-format on
}

class Restructure : public CliTest, public testing::WithParamInterface<RestructureCase> {};

TEST_P(Restructure, PlansThenChangesOrRefuses) {
    test::TestDb db;
    db.AddField("ID", 4)
        .AddField("NAME", 9)
        .AddRecord({" 1", "Ann"})
        .AddRecord({" 2", "Bea Smith"});
    Write(db, "Two");
    const std::string old = Bytes("Two.Tbd");
    std::ofstream(File("new.json")) << GetParam().json;

    const test::CliResult result = Cli({"restructure", "Two", "new.json"}, GetParam().flags);

    EXPECT_EQ(result.status, GetParam().status) << result.err;
    EXPECT_EQ(result.out, GetParam().out);
    if (GetParam().err.empty())
        EXPECT_EQ(result.err, "");
    else
        EXPECT_NE(result.err.find(GetParam().err), std::string::npos) << result.err;
    if (GetParam().changed) {
        EXPECT_EQ(Bytes("Two.Bak"), old);
        EXPECT_EQ(Cli({"check", "Two"}).status, 0); // the new file is sound
    } else {
        EXPECT_EQ(Bytes("Two.Tbd"), old);
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, Restructure, testing::ValuesIn(Cases()),
                         test::CaseName<RestructureCase>);

} // namespace
} // namespace tabulo::cli
