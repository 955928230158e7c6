// tabulo-cli's command line: bad usage gives status 2 and a message; --help and --version
// succeed.

#include "CliFixture.h"
#include "NamedCase.h"

namespace tabulo::cli {
namespace {

struct Usage {
    const char* what;
    std::vector<std::string> args;
    int status;
    std::string said; // part of standard output when it succeeds, else of standard error
};

const Usage kUsage[] = {
    {"no subcommand", {}, 2, "A subcommand is required"},
    {"an unknown subcommand", {"frobnicate"}, 2, "A subcommand is required"},
    {"a missing database", {"info"}, 2, "DB is required"},
    {"an unknown option", {"check", "Db", "--fast"}, 2, "--fast"},
    {"an unknown encoding", {"import", "Db", "x.csv", "--encoding", "latin1"}, 2, "--encoding"},
    {"a time-out that is no number", {"run", "Db", "Start", "--timeout", "soon"}, 2, "--timeout"},
    {"a record number below 1", {"run", "Db", "Start", "--record", "0"}, 2, "--record"},
    {"help", {"--help"}, 0, "restructure"},
    {"the help of a subcommand", {"export", "--help"}, 0, "--live-only"},
    {"the version", {"--version"}, 0, "tabulo-cli "},
};

class CommandLine : public CliTest, public testing::WithParamInterface<Usage> {};

TEST_P(CommandLine, ExitsWithItsStatus) {
    const test::CliResult r = Cli(GetParam().args);
    EXPECT_EQ(r.status, GetParam().status);
    const std::string& said = GetParam().status == 0 ? r.out : r.err;
    EXPECT_NE(said.find(GetParam().said), std::string::npos) << said;
}

INSTANTIATE_TEST_SUITE_P(Cli, CommandLine, testing::ValuesIn(kUsage), test::CaseName<Usage>);

} // namespace
} // namespace tabulo::cli
