// Pack against failures at every one of its file steps: an I/O error (disk full, device
// error), every step failing from one on (so that the undo fails too), and the process killed
// there (a real child process, so that no clean-up of the program runs). Whatever happens, the
// next open finds every record, in the old or the packed form.

#include "ChildProcess.h"
#include "StepFaultFixture.h"
#include "engine/PackRecovery.h"

#include <cstring>
#include <iostream>

namespace {

using namespace tabulo;
using namespace tabulo::test;

class PackFaults : public StepFaultTest {
protected:
    int Rewrite() override {
        faults.ResetSteps();
        return Pack();
    }
    std::string Trace(long n) const {
        return "step " + std::to_string(n) + " (" + FileStepName(faults.LastInjectedStep()) + ")";
    }
};

// A pack that is refused leaves the database byte for byte as it was and names the step and
// the system's reason; one that finished says so, also when a step after the swap failed.
// When every step fails from the n-th on, the undo's own steps included, the undo never
// removes the only good copy, and the next open puts everything in order.
TEST_F(PackFaults, AnIoErrorAtAnyStepLosesNothingAndIsExplained) {
    const std::pair<int, bool> kinds[] = {{ENOSPC, false}, {EIO, false}, {EIO, true}};
    for (const auto& [error, fromThenOn] : kinds) {
        for (long n = 1; n <= steps; ++n) {
            Restore();
            OpenTheDatabase();
            fromThenOn ? faults.FailFromStep(n, error) : faults.FailAtStep(n, error);
            const int result = Pack();
            SCOPED_TRACE(Trace(n) + " " + std::strerror(error) + (fromThenOn ? " on" : ""));
            const FileStep failed = faults.LastInjectedStep();
            faults.ResetSteps();
            if (fromThenOn) { // what is said depends on which of the undo's steps failed
                ReopenAndExpectNothingLost();
                continue;
            }

            const std::string now = FileBytes(base);
            EXPECT_EQ(progress.hides, 1);
            if (now == old) {
                EXPECT_EQ(result, 0);
                ASSERT_EQ(reporter.messages.size(), 1u);
                const RecordedMessage& m = reporter.messages[0];
                EXPECT_EQ(m.title, "Pack Database");
                EXPECT_EQ(m.text.rfind("Unexpected Error", 0), 0u) << m.text;
                if (failed != FileStep::Lock) {
                    EXPECT_NE(m.text.find(std::strerror(error)), std::string::npos) << m.text;
                    EXPECT_NE(m.text.find("has not been changed"), std::string::npos) << m.text;
                }
                EXPECT_EQ(engine.GetRecordCount(), 80) << "the old file stays open";
            } else if (engine.GetFileNumber() != 0) {
                EXPECT_EQ(result, 1);
                for (const RecordedMessage& m : reporter.messages)
                    EXPECT_TRUE(m.title == "ReadRecord" ||
                                m.text.find("has been packed") != std::string::npos)
                        << m.text;
                EXPECT_EQ(engine.GetRecordCount(), 54);
            } else {
                EXPECT_EQ(result, 1) << "the pack is done; only the reopen failed";
                EXPECT_EQ(reporter.messages.back().title, "Open Database");
            }
            ReopenAndExpectNothingLost();
        }
    }
}

// A work file cut short never passes for a database: its header counts no records until all
// of them are written.
bool WorkFileCouldPassForDatabase(const std::string& work) {
    const std::string bytes = ReadFileBytes(work);
    return bytes.size() >= size_t(kHeaderSize) && LongAt(bytes, 0) != 0 &&
           !IsFinishedWorkFile(MachineFileSystem(), FilePath(work));
}

TEST_F(PackFaults, AKilledPackLosesNothingAndTheOpenExplainsTheRepair) {
    long survived = 0;
    for (long n = 1; n <= steps; ++n) {
        Restore();
        const pid_t child = Spawn([&] {
            RecordingReporter childReporter;
            modDB db(childReporter, faults);
            if (db.OpenDatabase(FilePath(base)) != 1) return 1;
            childReporter.AnswerNext(true);
            RecordingProgress childProgress;
            faults.KillAtStep(n);
            db.PackRecords(childProgress);
            return 2; // not reached: killed at the step
        });
        SCOPED_TRACE("killed at step " + std::to_string(n));
        ASSERT_EQ(ExitStatus(child), 100 + SIGKILL);
        EXPECT_FALSE(WorkFileCouldPassForDatabase(base + ".TbB"));
        const std::string leftOver = LeftOver(base);

        ASSERT_EQ(engine.OpenDatabase(FilePath(base)), 1) << "the database is never missing";
        if (!leftOver.empty()) {
            ASSERT_EQ(reporter.messages.size(), 1u);
            EXPECT_EQ(reporter.messages[0].title, "OPEN DATABASE");
            EXPECT_NE(reporter.messages[0].text.find("cut short"), std::string::npos);
        }
        engine.CloseDatabase();
        reporter.Clear();
        survived += ExpectNothingLost();
    }
    std::cout << "kill points survived: " << survived << " of " << steps << "\n";
    RecordProperty("KillPointsSurvived", std::to_string(survived) + "/" + std::to_string(steps));
}

} // namespace
