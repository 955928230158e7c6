// The descriptions through the real program. describe writes a description that create
// turns back into the same file (the shipped samples and a damaged file, with and without
// their records; made-up designs over every member's range go through the same description
// in tests/design). One table: create refuses to replace a database or to read a bad
// description, with the place; restructure shows the plan first, then the change (exit 0),
// or refuses (exit 1, the file byte for byte as it was).

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

// A description in new.json given to create or restructure, with Two.Tbd already there.
struct CommandCase {
    const char* what;
    std::string json;
    std::vector<std::string> args;
    int status;
    std::string out;      // standard output, whole
    std::string err;      // standard error, as ExpectSaid compares it
    bool changed = false; // Two.Tbd is the new file afterwards, the old one Two.Bak
};

const std::string kPlan = "Two.Tbd: 2 records rewritten, record length 14 -> 8\n"
                          "cut: NAME to 3 characters (1 value: record 2)\n";

std::vector<CommandCase> Cases() {
    const std::string shorter =
        R"({"fields":[{"name":"ID","length":4},{"name":"NAME","length":3}]})";
    const std::vector<std::string> restructure = {"restructure", "Two", "new.json"};
    // clang-format off
    return {
        {"a dry run", shorter, {"restructure", "Two", "new.json", "--dry-run"}, 0,
         kPlan + "dry run: Two.Tbd not changed\n", ""},
        {"a loss not allowed", shorter, restructure, 1, kPlan, "would be lost (give --allow-loss"},
        {"a loss allowed", shorter, {"restructure", "Two", "new.json", "--allow-loss"}, 0,
         kPlan + "restructured Two.Tbd; the old file is Two.Bak\n", "", true},
        {"a lossless change",
         R"({"fields":[{"name":"ID","length":4},{"name":"FULL","was":"NAME","length":12}]})",
         restructure, 0,
         "Two.Tbd: 2 records rewritten, record length 14 -> 17\nrenamed: NAME -> FULL\n"
         "restructured Two.Tbd; the old file is Two.Bak\n", "", true},
        // A design problem is reported as the design rules word it, with the file's name.
        {"an invalid design", R"({"fields":[{"name":"ID","length":4},{"name":"ID","length":3}]})",
         restructure, 1, "", "new.json: fields[1].name: \"ID\" is used twice"},
        {"records in the description", R"({"records":[" x"]})", restructure, 1, "",
         "new.json: records: a restructure keeps the database's own records"},
        {"create over a database", shorter, {"create", "new.json", "Two.tbd"}, 1, "",
         "tabulo-cli: Two.Tbd exists already (give --force to replace it)\n"},
        {"create from a bad description", R"({"fields":[{"name":"A"}]})",
         {"create", "new.json", "Bad"}, 1, "", "new.json: fields[0].length: is required"},
        {"create from no description", "", {"create", "none.json", "Bad"}, 1, "",
         "tabulo-cli: none.json: cannot read the file\n"},
    };
    // clang-format on
}

class DescriptionCommand : public CliTest, public testing::WithParamInterface<CommandCase> {};

TEST_P(DescriptionCommand, ChangesTheDatabaseOrRefuses) {
    test::TestDb db;
    db.AddField("ID", 4)
        .AddField("NAME", 9)
        .AddRecord({" 1", "Ann"})
        .AddRecord({" 2", "Bea Smith"});
    Write(db, "Two");
    const std::string old = Bytes("Two.Tbd");
    std::ofstream(File("new.json")) << GetParam().json;

    const test::CliResult result = Cli(GetParam().args);

    EXPECT_EQ(result.status, GetParam().status) << result.err;
    EXPECT_EQ(result.out, GetParam().out);
    ExpectSaid(result.err, GetParam().err);
    if (GetParam().changed) {
        EXPECT_EQ(Bytes("Two.Bak"), old);
        EXPECT_EQ(Cli({"check", "Two"}).status, 0); // the new file is sound
    } else {
        EXPECT_EQ(Bytes("Two.Tbd"), old);
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, DescriptionCommand, testing::ValuesIn(Cases()),
                         test::CaseName<CommandCase>);

} // namespace
} // namespace tabulo::cli
