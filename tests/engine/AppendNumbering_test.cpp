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

TEST_F(EngineTest, NumberingSeesTheCountReReadUnderTheLock) {
    const std::string base = Open(TwoFieldDb().AddRecord({"One"}).AddRecord({"Two"}));
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

} // namespace
