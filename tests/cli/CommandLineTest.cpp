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

struct CallCase {
    const char* what;
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string out;    // compared as ExpectSaid does
    std::string err;    // so too, and whole after a success
    bool saved = false; // the run changed the file (else it is as it was)
};

// clang-format off
const CallCase kCalls[] = {
    {"no subcommand", {}, "", 2, "", "A subcommand is required"},
    {"an unknown subcommand", {"frobnicate"}, "", 2, "", "A subcommand is required"},
    {"a missing database", {"info"}, "", 2, "", "DB is required"},
    {"an unknown option", {"check", "Db", "--fast"}, "", 2, "", "--fast"},
    {"a bad encoding", {"import", "Db", "x.csv", "--encoding", "latin1"}, "", 2, "", "--encoding"},
    {"a bad time-out", {"run", "Db", "Start", "--timeout", "soon"}, "", 2, "", "--timeout"},
    {"a record number below 1", {"run", "Db", "Start", "--record", "0"}, "", 2, "", "--record"},
    {"help", {"--help"}, "", 0, "restructure", ""},
    {"the help of a subcommand", {"export", "--help"}, "", 0, "--live-only", ""},
    {"the version", {"--version"}, "", 0, "tabulo-cli ", ""},
    // run: a procedure of the script without a window.
    {"message boxes print", {"run", "Db", "Hello"}, "", 0, "Hello from Ann\n", ""},
    {"another record", {"run", "Db", "Hello", "--record", "2"}, "", 0, "Hello from Bob\n", ""},
    {"input boxes read lines", {"run", "Db", "Ask"}, "Eve\r\nsecret\n", 0,
     "Your name?\nHi Eve / secret\n", "Password: "},
    {"input boxes at the end of the input keep their default", {"run", "Db", "Ask"}, "", 0,
     "Your name?\nHi  / none\n", "Password: "},
    {"message boxes answer with their default button", {"run", "Db", "Buttons"}, "", 0,
     "Sure?\nAgain?\n6 7\n", ""},
    {"what needs the window says so", {"run", "Db", "Window"}, "", 0, "picked 0\n",
     "tabulo-cli: Db: SetAction: Later not added: the Actions menu needs the window\n"
     "tabulo-cli: Db: GetDBList: no record picked: the list needs the window\n"},
    {"a veto", {"run", "Db", "Veto"}, "", 1, "", "tabulo-cli: Veto left Tb.Cancel true\n"},
    {"a script error", {"run", "Db", "Broken"}, "", 1, "",
     "tabulo-cli: Db: SCRIPT ERROR: Description:Division by zero Line:23 Column:12\n"},
    {"a run too long", {"run", "Db", "Forever", "--timeout", "50"}, "", 1, "", "SCRIPT ERROR"},
    {"a record out of range", {"run", "Db", "Hello", "--record", "9"}, "", 1, "",
     "tabulo-cli: Db: SET RECORD NO: Record Out of range!\n"},
    // Stamp writes today's date, which a run without the window takes from the system's clock.
    {"a change kept in memory", {"run", "Db", "Stamp"}, "", 0, "", ""},
    {"a change saved", {"run", "Db", "Stamp", "--record", "2", "--save"}, "", 0, "", "", true},
};
// clang-format on

// Db.Tbd: NAME, records Ann and Bob, and the script above.
class CommandLine : public CliTest, public testing::WithParamInterface<CallCase> {};

TEST_P(CommandLine, ExitsWithItsStatusAndSaysWhatItShould) {
    test::TestDb db;
    db.AddField("NAME", 10, "*").SetScript(kScript).AddRecord({"Ann"}).AddRecord({"Bob"});
    Write(db, "Db");
    const std::string before = Bytes("Db.Tbd");
    const test::CliResult r = Cli(GetParam().args, {}, GetParam().input);
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    ExpectSaid(r.out, GetParam().out, false);
    ExpectSaid(r.err, GetParam().err, GetParam().status == 0);
    const std::string after = Bytes("Db.Tbd");
    if (GetParam().saved) { // record 2 holds the date, all else is as it was
        EXPECT_EQ(after.substr(0, 23508), before.substr(0, 23508));
        EXPECT_TRUE(modLIB::IsValidDate(after.substr(23508), 1)) << after.substr(23496);
    } else {
        EXPECT_EQ(after, before); // only --save writes
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, CommandLine, testing::ValuesIn(kCalls), test::CaseName<CallCase>);

} // namespace
} // namespace tabulo::cli
