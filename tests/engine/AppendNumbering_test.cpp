// AddRecord with a numbering callback: the caller learns the new record's number while the
// append still holds the lock, and what it writes into the buffer is what the file gets.

#include "EngineFixture.h"

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace tabulo;
using namespace tabulo::test;

// True when another open file description could take the byte-0 lock right now.
bool LockIsFree(const std::string& base) {
    const int fd = open((base + ".Tbd").c_str(), O_RDWR);
    if (fd < 0) return false;
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    fl.l_len = 1;
    const bool free = fcntl(fd, F_OFD_SETLK, &fl) == 0;
    close(fd); // closing the description drops a lock it may have taken
    return free;
}

TEST_F(EngineTest, NumberingSeesTheCountReReadUnderTheLock) {
    const std::string base = Open(TwoFieldDb().AddRecord({"One"}).AddRecord({"Two"}));
    RecordingReporter otherReporter;
    modDB other(otherReporter);
    std::string name = base;
    ASSERT_EQ(other.OpenDatabase(name), 1);
    ASSERT_EQ(other.AddRecord(), 1); // this copy still believes the file holds two records

    std::vector<long> numbers;
    bool heldWhileNumbering = false;
    engine.ClearRecord();
    engine.WriteField(1, "Three");
    ASSERT_EQ(engine.AddRecord([&](long number) {
        numbers.push_back(number);
        heldWhileNumbering = !LockIsFree(base);
        engine.WriteField(2, "N" + std::to_string(number));
    }),
              1);

    EXPECT_EQ(numbers, std::vector<long>{4});
    EXPECT_TRUE(heldWhileNumbering);
    EXPECT_TRUE(LockIsFree(base)) << "released after the append";
    EXPECT_EQ(engine.GetRecordNo(), 4);
    EXPECT_EQ(engine.GetRecordCount(), 4);
    engine.GotoFirstRecord();
    engine.SetRecordNo(4);
    std::string city;
    engine.ReadField(2, city);
    EXPECT_EQ(city, "N4");
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(EngineTest, NumberingCannotMarkTheNewRecordDeleted) {
    TestDb form = TwoFieldDb();
    const std::string base = Open(form);
    engine.ClearRecord();
    engine.WriteField(1, "Kept");
    ASSERT_EQ(engine.AddRecord(
                  [&](long) { engine.SetRecordBuffer("*" + engine.GetRecordBuffer().substr(1)); }),
              1);
    const std::string bytes = FileBytes(base);
    EXPECT_EQ(bytes.substr(kHeaderSize), form.RecordText({"Kept"}));
    EXPECT_EQ(engine.IsDeleted(), 0);
}

TEST_F(EngineTest, RefusedAppendsNeverAskForANumber) {
    int calls = 0;
    auto count = [&](long) { ++calls; };
    EXPECT_EQ(engine.AddRecord(count), 0); // no database open
    OpenBytes(WithBlankRecords(TwoFieldDb(), kMaxRecords));
    EXPECT_EQ(engine.AddRecord(count), 0); // full
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(reporter.Only(), (RecordedMessage{"ADD RECORD", "DB is Full", MsgIcon::Critical}));
}

} // namespace
