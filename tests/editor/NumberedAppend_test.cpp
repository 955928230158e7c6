// New records numbered under the append's lock: whatever number the update checks put into
// the "#" fields beforehand, the stored number is the record's own, also when two copies of
// the program append at the same moment.

#include "RecordingReporter.h"
#include "TempDir.h"
#include "TestDb.h"
#include "editor/rules/NumberedAppend.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

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
    modDB mine(reporter), theirs(reporter);
    std::string name = base, same = base;
    ASSERT_EQ(mine.OpenDatabase(FilePath(name)), 1);
    ASSERT_EQ(theirs.OpenDatabase(FilePath(same)), 1);

    mine.ClearRecord();
    mine.WriteField(2, "mine");
    EngineFields<modDB> fields(mine);
    ASSERT_FALSE(RunUpdateChecks(fields, true));
    EXPECT_EQ(Field(mine, 1), "2") << "the checks number from the count they saw";
    theirs.ClearRecord();
    ASSERT_EQ(AddNumberedRecord(theirs), 1);
    ASSERT_EQ(AddNumberedRecord(mine), 1);

    EXPECT_EQ(mine.GetRecordNo(), 3);
    EXPECT_EQ(mine.GetRecordBuffer().substr(0, 7), "  3    ") << "the blank of the sign kept";
    for (long k = 1; k <= 3; ++k) {
        mine.SetRecordNo(k);
        EXPECT_EQ(Field(mine, 1), std::to_string(k));
    }
    EXPECT_EQ(Field(mine, 2), "mine");
    EXPECT_EQ(Field(mine, 3), "3");
    EXPECT_TRUE(reporter.messages.empty());
}

// One copy of the program saving new records as fast as it can. A busy lock fails the
// append at once; the copy tries again, as a user would press Update again.
int AppendMany(const std::string& base, const std::string& tag, int readyFd, int startFd) {
    RecordingReporter reporter;
    modDB db(reporter);
    std::string name = base;
    if (db.OpenDatabase(FilePath(name)) != 1) return 2;
    char go = 0;
    if (write(readyFd, &go, 1) != 1 || read(startFd, &go, 1) < 0) return 1;
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
    int ready[2], start[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(start), 0);
    std::vector<pid_t> copies;
    for (const char* tag : {"left", "right"}) {
        const pid_t pid = fork();
        if (pid == 0) {
            close(start[1]);
            _exit(AppendMany(base, tag, ready[1], start[0]));
        }
        copies.push_back(pid);
    }
    close(ready[1]); // a copy that ends early then reads as the end of the pipe
    char c;
    for (size_t i = 0; i < copies.size(); ++i)
        EXPECT_EQ(read(ready[0], &c, 1), 1);      // both have the file open
    for (int fd : {start[1], start[0], ready[0]}) // and start together
        close(fd);
    for (pid_t pid : copies) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }

    RecordingReporter reporter;
    modDB db(reporter);
    std::string name = base;
    ASSERT_EQ(db.OpenDatabase(FilePath(name)), 1);
    ASSERT_EQ(db.GetRecordCount(), 2 * kAppendsEach);
    std::set<std::string> numbers;
    std::map<std::string, int> perCopy;
    for (long k = 1; k <= 2 * kAppendsEach; ++k) {
        db.SetRecordNo(k);
        EXPECT_EQ(Field(db, 1), std::to_string(k)) << "record " << k;
        EXPECT_EQ(Field(db, 3), std::to_string(k)) << "record " << k;
        numbers.insert(Field(db, 1));
        ++perCopy[Field(db, 2)];
    }
    EXPECT_EQ(numbers.size(), size_t(2 * kAppendsEach));
    EXPECT_EQ(perCopy,
              (std::map<std::string, int>{{"left", kAppendsEach}, {"right", kAppendsEach}}));
}

} // namespace
} // namespace tabulo::test
