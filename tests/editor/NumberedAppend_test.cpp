// New records numbered under the append's lock: whatever number the update checks put into
// the "#" fields beforehand, the stored number is the record's own, also when two copies of
// the program append at the same moment.

#include "ChildProcess.h"
#include "RecordingReporter.h"
#include "TempDir.h"
#include "TestDb.h"
#include "editor/rules/NumberedAppend.h"
#include "engine/PosixFileSystem.h"

#include <gtest/gtest.h>
#include <map>

namespace tabulo::test {
namespace {

constexpr int kAppendsEach = 1000;

// "#" number, then the writer's tag, then a second "#" field.
TestDb NumberedDb() {
    TestDb db;
    db.AddField("No", 6, "#").AddField("Tag", 10, "*").AddField("Copy", 6, "#");
    return db;
}

std::string Field(modDB& db, int n) {
    std::string value;
    db.ReadField(n, value);
    return value;
}

TEST(NumberedAppend, TheNumberIsTakenUnderTheLockNotFromTheChecks) {
    TempDir dir;
    const std::string base = NumberedDb().AddRecord({" 1", "old"}).Create(dir, "Numbers");
    RecordingReporter reporter;
    modDB mine(reporter, MachineFileSystem()), theirs(reporter, MachineFileSystem());
    ASSERT_EQ(mine.OpenDatabase(FilePath(base)), 1);
    ASSERT_EQ(theirs.OpenDatabase(FilePath(base)), 1);

    mine.ClearRecord();
    mine.WriteField(2, "mine");
    EngineFields<modDB> fields(mine);
    ASSERT_FALSE(RunUpdateChecks(fields, true));
    EXPECT_EQ(Field(mine, 1), "2") << "the checks number from the count they saw";
    theirs.ClearRecord();
    ASSERT_EQ(AddNumberedRecord(theirs), 1);
    ASSERT_EQ(AddNumberedRecord(mine), 1);

    EXPECT_EQ(mine.GetRecordNo(), 3);
    // The whole file: each "#" field holds its record's number, the sign's blank kept.
    TestDb expected = NumberedDb().AddRecord({" 1", "old"}).AddRecord({" 2", "", " 2"});
    EXPECT_EQ(ReadFileBytes(base + ".Tbd"), expected.AddRecord({" 3", "mine", " 3"}).Bytes());
    EXPECT_TRUE(reporter.messages.empty());
}

// One copy of the program saving new records as fast as it can, once both copies have the
// file open. A busy lock fails the append at once; the copy tries again, as a user would
// press Update again.
int AppendMany(const std::string& base, const std::string& tag, SharedCounters<1>& opened,
               Gate& start) {
    RecordingReporter reporter;
    modDB db(reporter, MachineFileSystem());
    const bool open = db.OpenDatabase(FilePath(base)) == 1;
    ++opened[0]; // counted either way, so that the parent never waits for a copy that failed
    if (!open) return 2;
    start.Wait();
    for (int i = 0; i < kAppendsEach; ++i) {
        db.ClearRecord();
        db.WriteField(2, tag);
        EngineFields<modDB> fields(db);
        RunUpdateChecks(fields, true);
        while (AddNumberedRecord(db) != 1) {
            if (reporter.messages.back().text != "Unexpected Error") return 3;
            reporter.Clear();
        }
    }
    return db.CloseDatabase() == 1 ? 0 : 4;
}

TEST(NumberedAppend, TwoCopiesAppendingAtOnceNeverShareANumber) {
    TempDir dir;
    const std::string base = NumberedDb().Create(dir, "Race");
    SharedCounters<1> opened;
    Gate start;
    std::vector<pid_t> copies;
    for (const char* tag : {"left", "right"})
        copies.push_back(Spawn([&, tag] { return AppendMany(base, tag, opened, start); }));
    Await([&] { return opened[0] == 2; });
    start.Send();
    for (pid_t pid : copies)
        EXPECT_EQ(ExitStatus(pid), 0);

    RecordingReporter reporter;
    modDB db(reporter, MachineFileSystem());
    ASSERT_EQ(db.OpenDatabase(FilePath(base)), 1);
    ASSERT_EQ(db.GetRecordCount(), 2 * kAppendsEach);
    std::map<std::string, int> perCopy;
    for (long k = 1; k <= 2 * kAppendsEach; ++k) {
        db.SetRecordNo(k);
        EXPECT_EQ(Field(db, 1), std::to_string(k)) << "record " << k;
        EXPECT_EQ(Field(db, 3), std::to_string(k)) << "record " << k;
        ++perCopy[Field(db, 2)];
    }
    EXPECT_EQ(perCopy,
              (std::map<std::string, int>{{"left", kAppendsEach}, {"right", kAppendsEach}}));
}

} // namespace
} // namespace tabulo::test
