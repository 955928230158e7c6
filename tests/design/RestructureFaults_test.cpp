// A restructure against a failure at every one of its file steps: an I/O error, every step
// failing from one on (the undo's steps too), the process killed there (a real child, so no
// clean-up of the program runs). Whatever happens, the next open finds every record, in the
// old layout or in the new one, and another copy with the old layout open never writes into
// the new file.

#include "ChildProcess.h"
#include "FaultyFileSystem.h"
#include "RecordingReporter.h"
#include "TempDir.h"
#include "TestDb.h"
#include "design/DesignJson.h"
#include "design/Restructure.h"

#include <csignal>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

namespace tabulo::design {
namespace {

// Records longer than a tenth of the 1 MiB blocks, so reading and writing take several.
test::TestDb ManyLargeRecords() {
    test::TestDb db;
    db.AddField("Text", 9).SetRecordLength(30000);
    for (int i = 1; i <= 80; ++i)
        i % 3 == 0 ? db.AddDeletedRecord({"Rec" + std::to_string(i)})
                   : db.AddRecord({"Rec" + std::to_string(i)});
    return db;
}

// One field lengthened, one added.
const char* kNewDesign = R"({"recordLength": 30020,
    "fields": [{"name": "Text", "length": 15}, {"name": "More", "length": 5}]})";
const std::string kOldBackup = "the backup of an earlier pack";

class RestructureFaults : public testing::Test {
protected:
    void SetUp() override {
        base = dir.File("Test");
        Restore();
        Open();
        ASSERT_EQ(Apply(), 1); // a clean run learns the new bytes and the steps it takes
        steps = faults.StepsTaken();
        changed = Bytes();
        db.CloseDatabase();
        ASSERT_GT(steps, 20);
    }
    void Restore() {
        ManyLargeRecords().WriteTo(base + ".Tbd");
        old = Bytes();
        test::WriteFileBytes(base + ".Bak", kOldBackup);
        std::filesystem::remove(base + ".TbB");
        std::filesystem::remove(base + ".TbO");
    }
    void Open() {
        std::string name = base;
        ASSERT_EQ(db.OpenDatabase(FilePath(name)), 1);
        reporter.Clear();
    }
    // Plans with no step armed, then arms `arm` (or nothing) for the change itself.
    int Apply(const std::function<void()>& arm = {}) {
        const Restructure r = PlanRestructure(db, ParseDesign(kNewDesign, ".").design);
        EXPECT_TRUE(r.problems.empty());
        arm ? arm() : faults.ResetSteps();
        return ApplyRestructure(db, r, false, progress);
    }
    std::string Bytes() const { return test::ReadFileBytes(base + ".Tbd"); }
    std::string LeftOver() const {
        std::string found;
        for (const char* ext : {".TbB", ".TbO"})
            if (std::filesystem::exists(base + ext)) found += ext;
        return found;
    }
    // The old file as it was with the earlier backup, or the new one with the old file as
    // its backup; no work file left.
    void ExpectNothingLost() const {
        const std::string now = Bytes();
        EXPECT_TRUE(now == old || now == changed) << "neither the old nor the new file";
        EXPECT_EQ(test::ReadFileBytes(base + ".Bak"), now == changed ? old : kOldBackup);
        EXPECT_EQ(LeftOver(), "");
    }
    void ReopenAndExpectNothingLost() {
        if (db.GetFileNumber() != 0) db.CloseDatabase();
        Open();
        db.CloseDatabase();
        ExpectNothingLost();
    }

    test::FaultyFileSystem faults;
    test::TempDir dir;
    test::RecordingReporter reporter;
    modDB db{reporter};
    test::RecordingProgress progress;
    std::string base, old, changed;
    long steps = 0;
};

TEST_F(RestructureFaults, AnIoErrorAtAnyStepLosesNothingAndIsExplained) {
    for (int error : {ENOSPC, EIO}) {
        for (long n = 1; n <= steps; ++n) {
            Restore();
            Open();
            const int result = Apply([&] { faults.FailAtStep(n, error); });
            SCOPED_TRACE("step " + std::to_string(n) + " " + std::strerror(error));
            const test::FileStep failed = faults.LastInjectedStep();
            faults.ResetSteps();
            if (Bytes() == old) {
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

TEST_F(RestructureFaults, FailuresThatAlsoDefeatTheUndoLoseNothing) {
    for (long n = 1; n <= steps; ++n) {
        Restore();
        Open();
        Apply([&] { faults.FailFromStep(n, EIO); });
        SCOPED_TRACE("from step " + std::to_string(n));
        faults.ResetSteps();
        ReopenAndExpectNothingLost();
    }
}

TEST_F(RestructureFaults, AKilledRestructureIsRepairedOnTheNextOpen) {
    for (long n = 1; n <= steps; ++n) {
        Restore();
        const pid_t child = test::Spawn([&] {
            test::RecordingReporter childReporter;
            modDB childDb(childReporter);
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
    test::RecordingReporter otherReporter;
    modDB other(otherReporter);
    Restore();
    std::string name = base;
    ASSERT_EQ(other.OpenDatabase(FilePath(name)), 1);
    Open();
    ASSERT_EQ(Apply(), 1);
    changed = Bytes();

    other.ClearRecord();
    other.WriteField(1, "Stale");
    EXPECT_EQ(other.AddRecord(), 0);
    ASSERT_FALSE(otherReporter.messages.empty());
    EXPECT_EQ(otherReporter.messages.back().text,
              "The database's form was changed by another user; close it and open it again.");
    EXPECT_EQ(Bytes(), changed);
}

} // namespace
} // namespace tabulo::design
