// tabulo-cli's command line: bad usage gives status 2 and a message, --help and --version
// succeed; and run: a procedure of the database's script without a window.

#include "CliFixture.h"
#include "NamedCase.h"
#include "base/modLIB.h"

namespace tabulo::cli {
namespace {

const char* kScript = R"(Sub Hello: MsgBox "Hello from " & Tb.GetField("NAME"): End Sub

Sub Ask
    Dim answer
    answer = InputBox("Your name?")
    MsgBox "Hi " & answer & " / " & Tb.GetPass("Password", "none")
End Sub

Sub Buttons
    MsgBox MsgBox("Sure?", vbYesNo) & " " & MsgBox("Again?", vbYesNo + vbDefaultButton2)
End Sub

Sub Window
    Tb.SetAction "Later"
    Tb.OpenDB "Db"
    Dim names(0)
    names(0) = "NAME"
    MsgBox "picked " & Tb.GetDBList(names)
End Sub

Sub Stamp: Tb.SetField "NAME", Tb.GetDate(): End Sub
Sub Veto: Tb.Cancel = True: End Sub
Sub Broken: x = 1 / 0: End Sub
Sub Forever: Do: Loop: End Sub)";

struct RunCase {
    const char* what;
    std::vector<std::string> args; // after "run Db"
    std::string input;
    int status;
    std::string out;
    std::string err;
};

// clang-format off
const RunCase kRuns[] = {
    {"message boxes print", {"Hello"}, "", 0, "Hello from Ann\n", ""},
    {"another record", {"Hello", "--record", "2"}, "", 0, "Hello from Bob\n", ""},
    {"input boxes read lines", {"Ask"}, "Eve\r\nsecret\n", 0,
     "Your name?\nHi Eve / secret\n", "Password: "},
    {"input boxes at the end of the input keep their default", {"Ask"}, "", 0,
     "Your name?\nHi  / none\n", "Password: "},
    {"message boxes answer with their default button", {"Buttons"}, "", 0,
     "Sure?\nAgain?\n6 7\n", ""},
    {"what needs the window says so", {"Window"}, "", 0, "picked 0\n",
     "tabulo-cli: Db: SetAction: Later not added: the Actions menu needs the window\n"
     "tabulo-cli: Db: GetDBList: no record picked: the list needs the window\n"},
    {"a veto", {"Veto"}, "", 1, "", "tabulo-cli: Veto left Tb.Cancel true\n"},
    {"a script error", {"Broken"}, "", 1, "",
     "tabulo-cli: Db: SCRIPT ERROR: Description:Division by zero Line:23 Column:12\n"},
    {"a run past its time-out", {"Forever", "--timeout", "50"}, "", 1, "", "SCRIPT ERROR"},
    {"a record out of range", {"Hello", "--record", "9"}, "", 1, "",
     "tabulo-cli: Db: SET RECORD NO: Record Out of range!\n"},
};
// clang-format on

// Db.Tbd: NAME, records Ann and Bob, and the script above.
class RunDb : public CliTest {
protected:
    void SetUp() override {
        test::TestDb db;
        db.AddField("NAME", 10, "*").SetScript(kScript).AddRecord({"Ann"}).AddRecord({"Bob"});
        Write(db, "Db");
    }
};
class Run : public RunDb, public testing::WithParamInterface<RunCase> {};

TEST_P(Run, RunsTheProcedureHeadless) {
    const test::CliResult r = Cli({"run", "Db"}, GetParam().args, GetParam().input);
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    EXPECT_EQ(r.out, GetParam().out);
    if (GetParam().status == 0 || GetParam().err.find('\n') != std::string::npos)
        EXPECT_EQ(r.err, GetParam().err);
    else
        EXPECT_NE(r.err.find(GetParam().err), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Cli, Run, testing::ValuesIn(kRuns), test::CaseName<RunCase>);

// Stamp writes today's date, which a run without the window takes from the system's clock.
TEST_F(RunDb, FieldChangesReachTheFileOnlyWhenAskedTo) {
    const std::string before = Bytes("Db.Tbd");
    EXPECT_EQ(Cli({"run", "Db", "Stamp"}).status, 0);
    EXPECT_EQ(Bytes("Db.Tbd"), before);
    EXPECT_EQ(Cli({"run", "Db", "Stamp", "--record", "2", "--save"}).status, 0);
    const std::string records = Bytes("Db.Tbd").substr(23496);
    ASSERT_EQ(records.size(), 22u);
    EXPECT_EQ(records.substr(0, 12), " Ann        ");
    EXPECT_TRUE(modLIB::IsValidDate(records.substr(12, 10), 1)) << records;
}

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
