#include "TbFixture.h"
#include "script/ScriptRunner.h"

namespace tabulo::test {
namespace {

// The SCRIPT ERROR box.
RecordedMessage ScriptErrorBox(const std::string& description, int line, int column) {
    return {"SCRIPT ERROR",
            std::string(100, ' ') + "\r\nDescription:" + description +
                "\r\nLine:" + std::to_string(line) + "\r\nColumn:" + std::to_string(column),
            MsgIcon::None};
}

template <typename... Box> std::vector<RecordedMessage> Boxes(Box... boxes) {
    return {boxes...};
}

class RunnerTest : public TbTest {
protected:
    ~RunnerTest() override { std::filesystem::current_path(startDir_); }

    // Scripts name their look-up databases relative to the current directory.
    void WorkInTempDir() { std::filesystem::current_path(dir.Path()); }

    // Opens a main database carrying the script; the look-up database lies next to it.
    void Load(const std::string& script) {
        engine.CloseDatabase();
        std::string name = MainDb().SetScript(script).Create(dir, "Main");
        ASSERT_EQ(engine.OpenDatabase(FilePath(name)), 1);
        reporter.Clear();
    }

    std::string Stored(int field) {
        std::string text;
        engine.ReadField(field, text);
        return text;
    }

    ScriptRunner runner{engine, window, reporter};

private:
    std::filesystem::path startDir_ = std::filesystem::current_path();
};

TEST_F(RunnerTest, AnEmptyScriptOrNameRunsNothing) {
    for (const char* script : {"", "     "}) {
        Load(script);
        EXPECT_EQ(runner.RunScriptProc("Start"), 0);
        EXPECT_EQ(runner.RunScriptProc("Update"), 0);
    }
    Load("Sub Start\n Tb.Cancel = True\nEnd Sub");
    runner.Tb().Cancel = -1;
    EXPECT_EQ(runner.RunScriptProc(""), 0);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(RunnerTest, TheResultIsCancelAsTheProcedureLeftIt) {
    Load("Sub Start\nEnd Sub\n"
         "Sub Update\n  If Tb.GetField(\"City\") = \"\" Then Tb.Cancel = True\nEnd Sub\n");
    EXPECT_EQ(runner.RunScriptProc("Start"), 0);
    EXPECT_EQ(runner.RunScriptProc("Update"), 0);
    engine.WriteField(2, "");
    EXPECT_EQ(runner.RunScriptProc("Update"), -1);
    EXPECT_EQ(runner.RunScriptProc("Start"), 0); // cleared before every run
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(RunnerTest, ScriptsReadCancelAfterEachCall) {
    Load("Sub Start\n  Tb.GetField \"Nope\"\n  failed = Tb.Cancel\n  Tb.GetField \"Name\"\n"
         "  Tb.SetField \"City\", failed & \" \" & Tb.Cancel\nEnd Sub\n");
    EXPECT_EQ(runner.RunScriptProc("Start"), 0);
    EXPECT_EQ(Stored(2), "-1 0"); // Cancel reads as an Integer
}

struct CancelAssignment {
    const char* value;
    int cancel;       // what the run returns
    const char* seen; // what the script reads back
};

// The script sees Cancel as an Integer and keeps whatever number it stores; a value that is
// no Integer is a failing script below.
const CancelAssignment kCancelAssignments[] = {
    {"1", 1, "1 Integer"},   {"True", -1, "-1 Integer"}, {"False", 0, "0 Integer"},
    {"2.5", 2, "2 Integer"}, {"\"7\"", 7, "7 Integer"},  {"-32768", -32768, "-32768 Integer"},
};

class CancelAssignmentTest : public RunnerTest,
                             public ::testing::WithParamInterface<CancelAssignment> {};

TEST_P(CancelAssignmentTest, KeepsTheNumberAsAnInteger) {
    const CancelAssignment& c = GetParam();
    // SetField clears Cancel, so the script stores what it read back once more.
    Load(std::string("Sub Update\n  Tb.Cancel = ") + c.value +
         "\n  kept = Tb.Cancel\n  Tb.SetField \"City\", kept & \" \" & TypeName(kept)\n"
         "  Tb.Cancel = kept\nEnd Sub\n");
    engine.WriteField(2, "");
    EXPECT_EQ(runner.RunScriptProc("Update"), c.cancel);
    EXPECT_EQ(Stored(2), std::string(c.seen).substr(0, 8)); // as much as City holds
    EXPECT_TRUE(reporter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Values, CancelAssignmentTest, ::testing::ValuesIn(kCancelAssignments),
                         [](const auto& row) { return "Case" + std::to_string(row.index); });

TEST_F(RunnerTest, ARunAskedForDuringAnotherIsVetoed) {
    Load("Sub Start\n  Tb.SetField \"Name\", Tb.GetPass(\"Password\", \"\")\nEnd Sub\n"
         "Sub Update\nEnd Sub\n");
    int nested = 0;
    window.inputAccepted = "Open";
    window.whileInputShown = [&] { nested = runner.RunScriptProc("Update"); };
    EXPECT_EQ(runner.RunScriptProc("Start"), 0);
    EXPECT_EQ(nested, -1);
    EXPECT_EQ(Stored(1), "Open");
    window.whileInputShown = nullptr;
    EXPECT_EQ(runner.RunScriptProc("Update"), 0);
}

TEST_F(RunnerTest, AVariableOfStartIsEmptyAgainInUpdate) {
    Load("Dim kept\n"
         "Sub Start\n  kept = 5\n  Tb.SetField \"Name\", TypeName(kept)\nEnd Sub\n"
         "Sub Update\n  Tb.SetField \"Name\", TypeName(kept)\nEnd Sub\n");
    runner.RunScriptProc("Start");
    EXPECT_EQ(Stored(1), "Integer");
    runner.RunScriptProc("Update");
    EXPECT_EQ(Stored(1), "Empty");
}

// A script that fails: the run's result (the Cancel the script left, or a veto) and every
// box shown, in order.
struct FailingScript {
    const char* what;
    const char* script;
    const char* proc;
    int result;
    std::vector<RecordedMessage> messages;
};

const FailingScript kFailingScripts[] = {
    {"syntax error", "Sub Start\n  x = (1 +\nEnd Sub\n", "Start", 0,
     Boxes(ScriptErrorBox("Expected expression", 2, 10))},
    {"missing procedure", "Sub Start\nEnd Sub\n", "Update", 0,
     Boxes(ScriptErrorBox("Sub or Function not defined", 0, 0))},
    {"run-time error in line 7",
     "Sub Update\n  Dim a, b\n  a = 1\n  b = 0\n  ' divide\n\n  a = a / b\nEnd Sub\n", "Update", 0,
     Boxes(ScriptErrorBox("Division by zero", 7, 2))},
    {"error after a refusal keeps its veto",
     "Sub Update\n  Tb.GetField \"Nope\"\n  x = 1 / 0\nEnd Sub\n", "Update", -1,
     Boxes(RecordedMessage{"GetField", "FIELD Nope NOT FOUND"},
           ScriptErrorBox("Division by zero", 3, 2))},
    {"unknown member of Tb", "Sub Start\n  Tb.Frobnicate 1\nEnd Sub\n", "Start", 0,
     Boxes(ScriptErrorBox("Object doesn't support this property or method", 2, 2))},
    {"wrong argument count", "Sub Start\n  Tb.GetField\nEnd Sub\n", "Start", 0,
     Boxes(ScriptErrorBox("Wrong number of arguments or invalid property assignment", 2, 2))},
    {"list without an array",
     "Sub Start\n  Tb.OpenDB \"Cities\"\n  Tb.GetDBList \"CITY\"\nEnd Sub\n", "Start", 0,
     Boxes(ScriptErrorBox("Type mismatch", 3, 2))},
    {"Cancel past an Integer", "Sub Update\n  Tb.Cancel = 70000\nEnd Sub\n", "Update", 0,
     Boxes(ScriptErrorBox("Overflow", 2, 2))},
    {"Cancel from a text", "Sub Update\n  Tb.Cancel = \"x\"\nEnd Sub\n", "Update", 0,
     Boxes(ScriptErrorBox("Type mismatch", 2, 2))},
    {"Cancel from Null", "Sub Update\n  Tb.Cancel = Null\nEnd Sub\n", "Update", 0,
     Boxes(ScriptErrorBox("Invalid use of Null", 2, 2))},
    {"missing look-up", "Sub Start\n  Tb.OpenDB \"Nowhere\"\nEnd Sub\n", "Start", -1,
     Boxes(RecordedMessage{"Open File", "Database:Nowhere not found"})},
    // A file Tb cannot read stops the script like any run-time error.
    {"unreadable look-up", "Sub Start\n  Tb.OpenDB \"Short\"\nEnd Sub\n", "Start", -1,
     Boxes(ScriptErrorBox("Device I/O error", 2, 2))},
};

class ScriptErrorTest : public RunnerTest, public ::testing::WithParamInterface<FailingScript> {};

TEST_P(ScriptErrorTest, ShowsItsBoxesAndReturnsTheResult) {
    const FailingScript& f = GetParam();
    WorkInTempDir();
    WriteFileBytes(dir.File("Short.Tbd"), "short");
    Load(f.script);
    EXPECT_EQ(runner.RunScriptProc(f.proc), f.result);
    EXPECT_EQ(reporter.messages, f.messages);
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptErrorTest, ::testing::ValuesIn(kFailingScripts),
                         CaseName<FailingScript>);

TEST_F(RunnerTest, AnEndlessLoopStopsAtTheTimeOutAndVetoes) {
    Load("Sub Update\n  Do\n  Loop\nEnd Sub\n");
    runner.SetTimeout(200);
    EXPECT_EQ(runner.RunScriptProc("Update"), -1);
    EXPECT_NE(reporter.Only().text.find("Description:Script timed out"), std::string::npos);
    // The next run has its full time again.
    Load("Sub Update\n  Tb.Cancel = True\nEnd Sub\n");
    EXPECT_EQ(runner.RunScriptProc("Update"), -1);
    EXPECT_EQ(reporter.messages.size(), 0u);
}

TEST_F(RunnerTest, StartFillsTheActionsAndTrimsTheCallersName) {
    Load("Sub Start\n  a = \"  Check  \"\n  Tb.SetAction a\n  Tb.SetField \"Name\", \"[\" & a & "
         "\"]\"\n  Tb.SetAction \"Check\"\n  Tb.DisableDelete\nEnd Sub\n");
    EXPECT_EQ(runner.RunScriptProc("Start"), 0);
    EXPECT_EQ(window.captions[1], "Check");
    EXPECT_EQ(window.captions[2], "Check");
    EXPECT_EQ(window.deleteEnabled, false);
    EXPECT_EQ(Stored(1), "[Check]");
}

TEST_F(RunnerTest, TheLookupDatabaseStaysOpenAcrossRuns) {
    WorkInTempDir();
    Load("Sub Start\n  Tb.OpenDB \"Cities\"\nEnd Sub\n"
         "Sub Update\n"
         "  Tb.SetDBField Tb.GetDBCount, \"code\", Tb.GetDBField(1, \"CODE\") & \"!\"\n"
         "  Tb.SetField \"City\", Tb.GetDBList(Array(\"CITY\", \"CODE\"))\n"
         "End Sub\n");
    window.browsePick = 2;
    EXPECT_EQ(runner.RunScriptProc("Start"), 0);
    EXPECT_EQ(runner.RunScriptProc("Update"), 0);
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(ReadFileBytes(lookupBase + ".Tbd").substr(kHeaderSize + 2 * 21 + 1, 4), "RM! ");
    ASSERT_EQ(window.browseCalls.size(), 1u);
    EXPECT_EQ(window.browseCalls[0].columns, (std::vector<int16_t>{2, 1}));
    EXPECT_EQ(Stored(2), "2");
    runner.Tb().CloseDB();
}

} // namespace
} // namespace tabulo::test
