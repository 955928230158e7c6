// The host's view of the engine: registered objects, Reset, Run, errors and
// the time-out.

#include "TestDb.h"
#include "vbscript/ScriptEngine.h"
#include "vbscript/ScriptError.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>

namespace {

using namespace tabulo::vbs;

using namespace std::chrono_literals;

// The engine's clock, moved by hand: each reading is a millisecond later, and a user
// who answers a box takes an hour.
struct ManualClock {
    std::chrono::steady_clock::time_point now{};
    std::chrono::steady_clock::time_point Read() { return now += 1ms; }
    void UserAnswers() { now += 1h; }
};

// A host object like the editor's: a Cancel flag, a failing method and one that waits
// for the user.
class HostObject : public ScriptObject {
public:
    int cancel = 0;
    ManualClock clock;

    std::string typeName() const override { return "clsField"; }
    Variant call(std::string_view name, ArgRefs) override {
        if (sameName(name, "Cancel")) return Variant::boolean(cancel != 0);
        if (sameName(name, "Fail")) throw ScriptError(52, "Bad file name or number");
        if (sameName(name, "AskPassword")) { // stands for a window that waits for the user
            clock.UserAnswers();
            return Variant(std::string("secret"));
        }
        raiseError(err::NoSuchMember);
    }
    bool mayWaitForUser() const override { return true; }
    void assign(std::string_view name, ArgRefs, const Variant& value, bool) override {
        if (!sameName(name, "Cancel")) raiseError(err::NoSuchMember);
        cancel = toBool(value) ? -1 : 0;
    }
};

struct Engine : ::testing::Test {
    ScriptEngine engine;
    std::shared_ptr<HostObject> tb = std::make_shared<HostObject>();
    void SetUp() override { engine.AddObject("Tb", tb); }
};

TEST_F(Engine, ResetDropsCodeAndObjects) {
    ASSERT_TRUE(engine.AddCode("Dim kept : kept = 5\nSub Start\nEnd Sub"));
    engine.Reset();
    EXPECT_FALSE(engine.Run("Start"));
    EXPECT_EQ(engine.Error().number, 35);
    ASSERT_TRUE(engine.AddCode("Option Explicit\nSub Start\n Tb.Cancel = 1\nEnd Sub"));
    EXPECT_FALSE(engine.Run("Start"));
    EXPECT_EQ(engine.Error().number, 500);
    EXPECT_EQ(engine.Error().line, 3);
}

// The error as one value: number, description, source, line and column.
auto Fields(const ScriptErrorInfo& e) {
    return std::tuple(e.number, e.description, e.source, e.line, e.column);
}

// End Sub closes the If: the error stands where End Sub does.
TEST_F(Engine, CompileErrorHasItsPosition) {
    EXPECT_FALSE(engine.AddCode("Sub Start\n  If x Then\n    y = 1\nEnd Sub\n"));
    EXPECT_EQ(Fields(engine.Error()),
              std::tuple(1012, "Expected 'If'", "Microsoft VBScript compilation error", 4, 4));
}

// Procedure names ignore case: the run reaches the failing call.
TEST_F(Engine, HostErrorsReachTheScriptWithThePosition) {
    ASSERT_TRUE(engine.AddCode("Sub Start\n  x = 1\n  Tb.Fail\nEnd Sub"));
    EXPECT_FALSE(engine.Run("START"));
    EXPECT_EQ(Fields(engine.Error()),
              std::tuple(52, "Bad file name or number", "Microsoft VBScript runtime error", 3, 2));
}

TEST_F(Engine, TimeOutIsNotSwallowedByOnErrorResumeNext) {
    engine.SetTimeout(100);
    ASSERT_TRUE(engine.AddCode("Sub Spin\n Do : Loop\nEnd Sub\nSub Start\n On Error Resume Next\n"
                               " Spin\n Tb.Cancel = True\nEnd Sub"));
    EXPECT_FALSE(engine.Run("Start"));
    EXPECT_EQ(tb->cancel, 0);
}

// A user who takes longer than the time-out to answer a box must not stop the script.
class SlowUser : public ScriptUi {
public:
    explicit SlowUser(ManualClock& clock) : clock_(clock) {}
    int msgBox(const std::string&, int, const std::string&) override {
        clock_.UserAnswers();
        return 1;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string& def) override {
        clock_.UserAnswers();
        return def;
    }

private:
    ManualClock& clock_;
};

TEST_F(Engine, TimeTheUserTakesToAnswerDoesNotCount) {
    SlowUser user(tb->clock);
    engine.SetUi(&user);
    engine.SetClock([this] { return tb->clock.Read(); });
    engine.SetTimeout(100);
    ASSERT_TRUE(engine.AddCode("Sub Start\n MsgBox \"Saved\"\n x = InputBox(\"Name\")\n"
                               " p = Tb.AskPassword\n For i = 1 To 2000 : Next\n"
                               " Tb.Cancel = True\nEnd Sub"));
    EXPECT_TRUE(engine.Run("Start")) << engine.Error().description;
    EXPECT_EQ(tb->cancel, -1);
}

TEST_F(Engine, RunWithMissingArgumentsIsAnError) {
    ASSERT_TRUE(engine.AddCode("Sub Needs(a)\nEnd Sub"));
    EXPECT_FALSE(engine.Run("Needs"));
    EXPECT_EQ(engine.Error().number, 450);
}

} // namespace

namespace {

// Inputs the fuzzer produced: each must compile or fail cleanly, and run to an
// end (or an error) within its time-out.
TEST(FuzzRegressions, EveryInputEndsCleanly) {
    namespace fs = std::filesystem;
    int count = 0;
    for (const auto& entry :
         fs::directory_iterator(fs::path(VBS_GOLDEN_DIR) / "fuzz/regressions")) {
        tabulo::vbs::ScriptEngine engine;
        engine.SetTimeout(500);
        if (engine.AddCode(tabulo::test::ReadFileBytes(entry.path().string()))) engine.Run("Main");
        ++count;
    }
    EXPECT_GT(count, 0);
}

} // namespace
