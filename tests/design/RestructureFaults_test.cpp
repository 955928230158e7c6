// A restructure against a failure at every one of its file steps: an I/O error, every step
// failing from one on (the undo's steps too), the process killed there (a real child, so no
// clean-up of the program runs). Whatever happens, the next open finds every record, in the
// old layout or in the new one, and another copy with the old layout open never writes into
// the new file.

#include "ChildProcess.h"
#include "StepFaultFixture.h"
#include "design/DesignJson.h"
#include "design/Restructure.h"

#include <csignal>
#include <cstring>

namespace tabulo::design {
namespace {

// One field lengthened, one added.
const char* kNewDesign = R"({"recordLength": 30020,
    "fields": [{"name": "Text", "length": 15}, {"name": "More", "length": 5}]})";

class RestructureFaults : public test::StepFaultTest {
protected:
    int Rewrite() override { return Apply(); }
    // Plans with no step armed, then arms `arm` (or nothing) for the change itself.
    int Apply(const std::function<void()>& arm = {}) {
        const Restructure r = PlanRestructure(engine, ParseDesign(kNewDesign, ".").design);
        EXPECT_TRUE(r.problems.empty());
        arm ? arm() : faults.ResetSteps();
        return ApplyRestructure(engine, r, false, progress);
    }
};

// An I/O error at one step, or at every step from one on so that the undo fails too: the
// next open finds every record, and a change refused at one step says why.
TEST_F(RestructureFaults, IoErrorsAtAnyStepLoseNothingAndAreExplained) {
    const struct {
        int error;
        bool onward; // every step from the one armed fails
    } faultsArmed[] = {{ENOSPC, false}, {EIO, false}, {EIO, true}};
    for (const auto& [error, onward] : faultsArmed) {
        for (long n = 1; n <= steps; ++n) {
            Restore();
            OpenTheDatabase();
            const int result = Apply([&, error = error, onward = onward] {
                onward ? faults.FailFromStep(n, error) : faults.FailAtStep(n, error);
            });
            SCOPED_TRACE("step " + std::to_string(n) + (onward ? " on " : " ") +
                         std::strerror(error));
            const test::FileStep failed = faults.LastInjectedStep();
            faults.ResetSteps();
            if (!onward && FileBytes(base) == old) {
                EXPECT_EQ(result, 0);
                ASSERT_EQ(reporter.messages.size(), 1u);
                EXPECT_EQ(reporter.messages[0].title, "Restructure Database");
                const std::string& text = reporter.messages[0].text;
                if (failed != test::FileStep::Lock) {
                    EXPECT_NE(text.find(std::strerror(error)), std::string::npos) << text;
                }
            }
            ReopenAndExpectNothingLost();
        }
    }
}

TEST_F(RestructureFaults, AKilledRestructureIsRepairedOnTheNextOpen) {
    for (long n = 1; n <= steps; ++n) {
        Restore();
        const pid_t child = test::Spawn([&] {
            test::RecordingReporter childReporter;
            modDB childDb(childReporter, faults);
            std::string name = base;
            if (childDb.OpenDatabase(FilePath(name)) != 1) return 1;
            const Restructure r = PlanRestructure(childDb, ParseDesign(kNewDesign, ".").design);
            faults.KillAtStep(n);
            ApplyRestructure(childDb, r, false, progress);
            return 2; // not reached: killed at the step
        });
        SCOPED_TRACE("killed at step " + std::to_string(n));
        ASSERT_EQ(test::ExitStatus(child), 100 + SIGKILL);
        ReopenAndExpectNothingLost();
    }
}

// A copy that opened the file before the change still holds the old layout: its append is
// refused and the new file keeps its records as they are.
TEST_F(RestructureFaults, AnotherCopyWithTheOldLayoutCannotAppend) {
    Restore();
    OpenInOtherCopy(base);
    OpenTheDatabase();
    ASSERT_EQ(Apply(), 1);
    changed = FileBytes(base);

    other.ClearRecord();
    other.WriteField(1, "Stale");
    EXPECT_EQ(other.AddRecord(), 0);
    ASSERT_FALSE(otherReporter.messages.empty());
    EXPECT_EQ(otherReporter.messages.back().text,
              "The database's form was changed by another user; close it and open it again.");
    EXPECT_EQ(FileBytes(base), changed);
}

} // namespace
} // namespace tabulo::design
