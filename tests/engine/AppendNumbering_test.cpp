// AddRecord with a numbering callback: the caller learns the new record's number while the
// append still holds the lock, and what it writes into the buffer is what the file gets.

#include "EngineFixture.h"

namespace {

using namespace tabulo;
using namespace tabulo::test;

// True when another open file could take the byte-0 lock right now.
bool LockIsFree(const std::string& base) {
    const auto file = DbFile::Open(MachineFileSystem(), base + ".Tbd");
    return file && file->TryLockByte0(); // closing the file drops the lock it took
}

// Another copy appended meanwhile: the number comes from the count re-read under the lock.
// A deletion mark the caller puts in the buffer is not written.
TEST_F(EngineTest, NumberingSeesTheCountReReadUnderTheLock) {
    TestDb form = TwoFieldDb();
    const std::string base = Open(form.AddRecord({"One"}).AddRecord({"Two"}));
    OpenInOtherCopy(base);
    ASSERT_EQ(other.AddRecord(), 1); // this copy still believes the file holds two records

    std::vector<long> numbers;
    bool heldWhileNumbering = false;
    engine.ClearRecord();
    engine.WriteField(1, "Three");
    ASSERT_EQ(engine.AddRecord([&](long number) {
        numbers.push_back(number);
        heldWhileNumbering = !LockIsFree(base);
        engine.WriteField(2, "N" + std::to_string(number));
        engine.SetRecordBuffer("*" + engine.GetRecordBuffer().substr(1));
    }),
              1);

    EXPECT_EQ(numbers, std::vector<long>{4});
    EXPECT_TRUE(heldWhileNumbering);
    EXPECT_TRUE(LockIsFree(base)) << "released after the append";
    EXPECT_EQ(engine.GetRecordNo(), 4);
    EXPECT_EQ(engine.GetRecordCount(), 4);
    EXPECT_EQ(engine.IsDeleted(), 0);
    EXPECT_EQ(FileBytes(base).substr(kHeaderSize + 3 * 19), form.RecordText({"Three", "N4"}));
    EXPECT_TRUE(reporter.messages.empty());
}

} // namespace
