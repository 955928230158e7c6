#pragma once
// Set-up of the tests that fail or kill a rewrite of the whole file (a pack, a restructure)
// at each of its file steps: records in several blocks, the backup of an earlier run, and
// the check that nothing was lost whatever happened.

#include "PackFixture.h"

namespace tabulo::test {

// Records longer than a tenth of the 1 MiB blocks, every third one marked deleted, so that
// the reading and the writing go in several blocks.
inline TestDb ManyLargeRecords() {
    TestDb db;
    db.AddField("Text", 9).SetRecordLength(30000);
    for (int i = 1; i <= 80; ++i)
        i % 3 == 0 ? db.AddDeletedRecord({"Rec" + std::to_string(i)})
                   : db.AddRecord({"Rec" + std::to_string(i)});
    return db;
}

inline const std::string kOldBackup = "the backup of an earlier pack";

class StepFaultTest : public PackTest {
protected:
    // The rewrite under test, on the open database, with the step count reset before it.
    virtual int Rewrite() = 0;

    // A clean run learns the rewritten bytes and how many file steps the rewrite takes.
    void SetUp() override {
        base = dir.File("Test");
        Restore();
        OpenTheDatabase();
        ASSERT_EQ(Rewrite(), 1);
        steps = faults.StepsTaken();
        changed = FileBytes(base);
        engine.CloseDatabase();
        ASSERT_GT(steps, 20);
        ASSERT_NE(changed, old);
    }
    void Restore() {
        old.empty() ? ManyLargeRecords().WriteTo(base + ".Tbd")
                    : WriteFileBytes(base + ".Tbd", old);
        old = FileBytes(base);
        WriteFileBytes(base + ".Bak", kOldBackup);
        std::filesystem::remove(base + ".TbB");
        std::filesystem::remove(base + ".TbO");
    }
    void OpenTheDatabase() {
        ASSERT_EQ(engine.OpenDatabase(FilePath(base)), 1);
        reporter.Clear();
        progress = RecordingProgress{};
    }
    // Every record is there: the old file as it was, or the rewritten one with the old file
    // as its backup. No work file is left. Returns whether all of that held.
    bool ExpectNothingLost() const {
        const std::string now = FileBytes(base), backup = ReadFileBytes(base + ".Bak");
        const bool whole = now == changed || now == old;
        const std::string& wantedBackup = now == changed ? old : kOldBackup;
        EXPECT_TRUE(whole) << "neither the old nor the rewritten file";
        EXPECT_EQ(backup, wantedBackup) << "the previous backup is replaced only by a rewrite";
        EXPECT_EQ(LeftOver(base), "");
        return whole && backup == wantedBackup && LeftOver(base).empty();
    }
    // The next open repairs what a failure after the swap left.
    void ReopenAndExpectNothingLost() {
        if (engine.GetFileNumber() != 0) engine.CloseDatabase();
        OpenTheDatabase();
        engine.CloseDatabase();
        ExpectNothingLost();
    }

    std::string base, old, changed;
    long steps = 0;
};

} // namespace tabulo::test
