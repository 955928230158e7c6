// tabulo-cli's command line: bad usage gives status 2 and a message; --help and --version
// succeed; create builds a database from a description or refuses with the place.

#include "CliFixture.h"
#include "NamedCase.h"

namespace tabulo::cli {
namespace {

struct Usage {
    const char* what;
    std::vector<std::string> args;
    std::string err; // part of standard error
};

const Usage kBadUsage[] = {
    {"no subcommand", {}, "A subcommand is required"},
    {"an unknown subcommand", {"frobnicate"}, "A subcommand is required"},
    {"a missing database", {"info"}, "DB is required"},
    {"an unknown option", {"check", "Db", "--fast"}, "--fast"},
    {"an unknown encoding", {"import", "Db", "x.csv", "--encoding", "latin1"}, "--encoding"},
    {"a time-out that is no number", {"run", "Db", "Start", "--timeout", "soon"}, "--timeout"},
    {"a record number below 1", {"run", "Db", "Start", "--record", "0"}, "--record"},
};

class BadUsage : public CliTest, public testing::WithParamInterface<Usage> {};

TEST_P(BadUsage, ExitsWithTwo) {
    const test::CliResult r = Cli(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(GetParam().err), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Cli, BadUsage, testing::ValuesIn(kBadUsage), test::CaseName<Usage>);

class Commands : public CliTest {};

TEST_F(Commands, HelpAndVersion) {
    const test::CliResult help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* command : {"info", "check", "export", "import", "pack", "create", "run"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    EXPECT_EQ(Cli({"export", "--help"}).status, 0);
    const test::CliResult version = Cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("tabulo-cli ", 0), 0u) << version.out;
}

TEST_F(Commands, CreateBuildsAndRefusesToReplaceWithoutForce) {
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

} // namespace
} // namespace tabulo::cli
