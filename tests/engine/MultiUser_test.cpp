// Several copies of the program on one file, as real processes: appends under the byte-0
// lock never collide or tear, and a held lock makes every writing operation fail at once
// (or, given a patience, only once the patience is spent).

#include "ChildProcess.h"
#include "EngineFixture.h"

#include <fcntl.h>
#include <map>

namespace {

using namespace tabulo;
using namespace tabulo::test;

constexpr int kWriters = 4;
constexpr int kAppendsEach = 500;
constexpr int kRecordLength = 64;

// Record text of writer w's append number i: the whole record is tied to (w, i), so a record
// mixed from two appends shows.
std::string AppendText(int w, int i) {
    const std::string tag = std::to_string(w) + ":" + std::to_string(i) + ";";
    std::string record = " ";
    while (record.size() < kRecordLength)
        record += tag;
    return record.substr(0, kRecordLength);
}

int AppendMany(const std::string& base, int writer, Gate& start) {
    start.Wait();
    RecordingReporter reporter;
    modDB db(reporter, MachineFileSystem());
    if (db.OpenDatabase(FilePath(base)) != 1) return 1;
    for (int i = 0; i < kAppendsEach; ++i) {
        db.SetRecordBuffer(AppendText(writer, i));
        // The lock is not waited for: a busy lock fails the append, and the writer tries again.
        while (db.AddRecord() != 1) {
            if (reporter.messages.back().text != "Unexpected Error") return 2;
            reporter.Clear();
        }
    }
    return db.CloseDatabase() == 1 ? 0 : 3;
}

TEST_F(EngineTest, ConcurrentAppendsGetDistinctNumbersAndNeverTear) {
    TestDb db;
    db.AddField("Tag", 12).SetRecordLength(kRecordLength);
    const std::string base = db.Create(dir);
    Gate start;
    std::vector<pid_t> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.push_back(Spawn([&, w] { return AppendMany(base, w, start); }));
    start.Send();
    for (pid_t pid : writers)
        EXPECT_EQ(ExitStatus(pid), 0);

    const std::string bytes = FileBytes(base);
    constexpr int kTotal = kWriters * kAppendsEach;
    ASSERT_EQ(bytes.size(), size_t(kHeaderSize) + size_t(kTotal) * kRecordLength);
    const DBHeader header = DecodeHeader(reinterpret_cast<const uint8_t*>(bytes.data()));
    EXPECT_EQ(header.RecordCount, kTotal);

    std::map<int, int> nextOfWriter; // each writer's appends appear in its own order
    for (int k = 0; k < kTotal; ++k) {
        const std::string record =
            bytes.substr(kHeaderSize + size_t(k) * kRecordLength, kRecordLength);
        int w = -1, i = -1;
        ASSERT_EQ(sscanf(record.c_str() + 1, "%d:%d;", &w, &i), 2) << "record " << k + 1;
        ASSERT_EQ(record, AppendText(w, i)) << "record " << k + 1 << " is torn";
        EXPECT_EQ(i, nextOfWriter[w]++) << "record " << k + 1;
    }
    for (int w = 0; w < kWriters; ++w)
        EXPECT_EQ(nextOfWriter[w], kAppendsEach);
}

// The other copy of the program holds byte 0 with an open-file lock, as this engine takes it;
// another program may hold it with a classic process-owned record lock.
class HeldLock : public EngineTest, public ::testing::WithParamInterface<int> {};

TEST_P(HeldLock, WritingOperationsFailAtOnceAndChangeNothing) {
    const std::string base =
        Open(TwoFieldDb().AddRecord({"One"}).AddRecord({"Two"}).AddRecord({"Three"}));
    const std::string before = FileBytes(base);
    Gate locked, release;
    const int command = GetParam();
    const pid_t holder = Spawn([&] {
        const int fd = open((base + ".Tbd").c_str(), O_RDWR);
        struct flock fl {};
        fl.l_type = F_WRLCK;
        fl.l_whence = SEEK_SET;
        fl.l_len = 1;
        if (fd < 0 || fcntl(fd, command, &fl) != 0) return 1;
        locked.Send();
        release.Wait();
        return 0;
    });
    locked.Wait();

    engine.SetRecordNo(2);
    engine.WriteField(1, "Changed");
    EXPECT_EQ(engine.WriteRecord(), 0);
    EXPECT_EQ(engine.AddRecord(), 0);
    EXPECT_EQ(engine.DeleteRecord(), 0);
    EXPECT_EQ(reporter.messages, (std::vector<RecordedMessage>{
                                     {"WriteRecord", "Unexpected Error", MsgIcon::Critical},
                                     {"AddRecord", "Unexpected Error", MsgIcon::Critical},
                                     {"DeleteRecord", "Unexpected Error", MsgIcon::Critical}}));
    EXPECT_EQ(FileBytes(base), before);
    EXPECT_EQ(engine.GetRecordNo(), 2);
    EXPECT_EQ(engine.IsDeleted(), 0);
    std::string v;
    EXPECT_EQ(engine.SetRecordNo(3), 1) << "reading never takes the lock";
    EXPECT_EQ(engine.ReadField(1, v), 1);
    EXPECT_EQ(v, "Three");

    release.Send();
    EXPECT_EQ(ExitStatus(holder), 0);
    EXPECT_EQ(engine.DeleteRecord(), 1);
    EXPECT_EQ(engine.AddRecord(), 1);
    EXPECT_EQ(engine.GetRecordNo(), 4);
}

INSTANTIATE_TEST_SUITE_P(ByAnotherProcess, HeldLock, ::testing::Values(F_OFD_SETLK, F_SETLK),
                         [](const auto& lockCase) {
                             return std::string(lockCase.param == F_SETLK ? "RecordLock"
                                                                          : "OpenFileLock");
                         });

} // namespace
