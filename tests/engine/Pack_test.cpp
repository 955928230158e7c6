// PackRecords: what it keeps, what it leaves behind, and what survives a failure at any
// file step.

#include "EngineFixture.h"

#include <filesystem>
#include <tuple>

namespace {

using namespace tabulo;
using namespace tabulo::test;

const std::string kConfirmText = "Make sure database is not opened by other users!\r\n"
                                 "This can corrupt your database!!!\r\n"
                                 "Continue Yes/No?";

TestDb FiveRecords() {
    TestDb db = TwoFieldDb();
    return db.AddRecord({"One", "A"})
        .AddDeletedRecord({"Two", "B"})
        .AddRecord({"Three", "C"})
        .AddDeletedRecord({"Four", "D"})
        .AddRecord({"Five", "E"});
}

class PackTest : public EngineTest {
protected:
    int Pack(bool answer = true) {
        reporter.AnswerNext(answer);
        return engine.PackRecords(progress);
    }
    bool Exists(const std::string& path) const { return std::filesystem::exists(path); }

    RecordingProgress progress;
};

TEST_F(PackTest, KeepsTheLiveRecordsInOrderAndBacksUpTheOldFile) {
    const TestDb db = FiveRecords();
    const std::string base = Open(db);
    const std::string old = FileBytes(base);
    engine.SetRecordNo(3);
    WriteFileBytes(base + ".TbB", "left over from an earlier failure");

    ASSERT_EQ(Pack(), 1);
    ASSERT_EQ(reporter.questions.size(), 1u);
    EXPECT_EQ(reporter.questions[0], (RecordedQuestion{"Pack", kConfirmText, MsgIcon::None, true}));
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(std::tuple(progress.shows, progress.eventRuns, progress.lastDone, progress.lastTotal,
                         progress.hides),
              std::tuple(5L, 5L, 5L, 5L, 1));

    TestDb packed = TwoFieldDb();
    packed.AddRecord({"One", "A"}).AddRecord({"Three", "C"}).AddRecord({"Five", "E"});
    EXPECT_EQ(FileBytes(base), packed.Bytes());
    EXPECT_EQ(ReadFileBytes(base + ".Bak"), old);
    EXPECT_FALSE(Exists(base + ".TbB"));
    EXPECT_EQ(engine.GetRecordNo(), 1);
    EXPECT_EQ(engine.GetRecordCount(), 3);
    EXPECT_EQ(engine.GetRecordBuffer(), packed.RecordText({"One", "A"}));
}

TEST_F(PackTest, WithoutMarkedRecordsTheFileIsUnchanged) {
    TestDb db = TwoFieldDb();
    db.AddRecord({"One"}).AddRecord({"Two"}).MutableHeader().Reserved2 = std::string(62, 'r');
    const std::string base = Open(db);
    const std::string old = FileBytes(base);
    ASSERT_EQ(Pack(), 1);
    EXPECT_EQ(FileBytes(base), old);
}

TEST_F(PackTest, SecondPackKeepsOnlyTheLatestBackup) {
    TestDb db = FiveRecords();
    const std::string base = Open(db);
    ASSERT_EQ(Pack(), 1);
    const std::string afterFirst = FileBytes(base);
    engine.DeleteRecord();
    const std::string beforeSecond = FileBytes(base);
    ASSERT_EQ(Pack(), 1);
    EXPECT_EQ(ReadFileBytes(base + ".Bak"), beforeSecond);
    EXPECT_NE(beforeSecond, afterFirst);
    EXPECT_EQ(engine.GetRecordCount(), 2);
}

TEST_F(PackTest, AnsweringNoChangesNothing) {
    const std::string base = Open(FiveRecords());
    WriteFileBytes(base + ".Bak", "old backup");
    WriteFileBytes(base + ".TbB", "stale");
    const std::string old = FileBytes(base);
    engine.SetRecordNo(4);
    EXPECT_EQ(Pack(false), 0);
    EXPECT_EQ(FileBytes(base), old);
    EXPECT_EQ(ReadFileBytes(base + ".Bak"), "old backup");
    EXPECT_EQ(ReadFileBytes(base + ".TbB"), "stale");
    EXPECT_EQ(engine.GetRecordNo(), 4);
    EXPECT_EQ(progress.shows + progress.hides, 0);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(PackTest, EmptyDatabaseSaysSoAndIsReopened) {
    const std::string base = Open(TwoFieldDb());
    const std::string old = FileBytes(base);
    ASSERT_EQ(Pack(), 1);
    EXPECT_EQ(reporter.Only(),
              (RecordedMessage{"GOTO FIRST RECORD", "DB is empty", MsgIcon::Critical}));
    EXPECT_EQ(FileBytes(base), old);
    EXPECT_NE(engine.GetFileNumber(), 0);
    EXPECT_EQ(engine.GetRecordNo(), 0);
}

// Records longer than the pack's write chunk, so that the kept records go out in several writes.
TestDb LargeRecords() {
    TestDb db;
    db.AddField("Text", 9).SetRecordLength(40000);
    for (int i = 1; i <= 7; ++i) {
        const std::string value = "Rec" + std::to_string(i);
        if (i % 3 == 2)
            db.AddDeletedRecord({value});
        else
            db.AddRecord({value});
    }
    return db;
}

TEST_F(PackTest, FailureAtAnyFileStepLosesNothing) {
    const TestDb db = LargeRecords();
    const std::string oldBytes = db.Bytes();
    const std::string oldBackup = "the backup of an earlier pack";

    // A clean run, to learn the packed bytes and how many file steps a pack takes.
    const std::string base = Open(db);
    WriteFileBytes(base + ".Bak", oldBackup);
    DbFile::FailAtStep(0);
    ASSERT_EQ(Pack(), 1);
    const long steps = DbFile::StepsTaken();
    const std::string packedBytes = FileBytes(base);
    ASSERT_NE(packedBytes, oldBytes);
    engine.CloseDatabase();
    ASSERT_GT(steps, 20);
    progress = RecordingProgress{};

    for (long n = 1; n <= steps; ++n) {
        db.WriteTo(base + ".Tbd");
        WriteFileBytes(base + ".Bak", oldBackup);
        Open(db);
        reporter.AnswerNext(true);
        DbFile::FailAtStep(n);
        const int result = engine.PackRecords(progress);
        const FileStep failed = DbFile::LastInjectedStep();
        DbFile::ResetSteps();
        SCOPED_TRACE("failure at step " + std::to_string(n) + " (" + FileStepName(failed) + ")");

        const std::string now = FileBytes(base);
        const std::string backup = ReadFileBytes(base + ".Bak");
        EXPECT_FALSE(Exists(base + ".TbB"));
        if (now == packedBytes) {
            EXPECT_EQ(backup, oldBytes);
        } else {
            EXPECT_EQ(now, oldBytes);
            EXPECT_TRUE(backup.empty() || backup == oldBackup) << "old data only in .Tbd";
        }
        if (result == 1) {
            EXPECT_EQ(now, packedBytes);
        } else {
            EXPECT_FALSE(reporter.messages.empty());
        }
        if (engine.GetFileNumber() != 0) {
            EXPECT_EQ(engine.GetRecordCount(), now == packedBytes ? 5 : 7);
            engine.CloseDatabase();
        } else {
            // Only the reopen itself may have failed; it says so under its own title.
            EXPECT_EQ(reporter.messages.back().title, "Open Database");
        }
        EXPECT_EQ(progress.hides, 1);
        progress = RecordingProgress{};
    }
}

} // namespace
