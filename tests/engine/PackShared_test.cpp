// A pack while other copies of the program use the file: no write that reported success is
// lost, and a write into the file that a pack replaced is never made.

#include "ChildProcess.h"
#include "PackFixture.h"

#include <iostream>
#include <set>

namespace {

using namespace tabulo;
using namespace tabulo::test;

constexpr int kAppendsEach = 1500;
constexpr int kRecordLength = 32;

std::string Tag(int writer, int i) {
    return "w" + std::to_string(writer) + ":" + std::to_string(i);
}

// One copy appending as a user pressing Update would: with Update's patience, and trying
// again after a refusal. Every append that returned 1 counts as saved.
int AppendAll(const std::string& base, int writer, Gate& start, Gate* opened) {
    RecordingReporter reporter;
    modDB db(reporter);
    std::string name = base;
    if (opened && db.OpenDatabase(name) != 1) return 1;
    if (opened) opened->Send();
    start.Wait();
    if (!opened && db.OpenDatabase(name) != 1) return 1;
    db.SetLockPatience(std::chrono::milliseconds(500));
    for (int i = 0; i < kAppendsEach; ++i) {
        db.ClearRecord();
        db.WriteField(1, Tag(writer, i));
        while (db.AddRecord() != 1) {
            if (reporter.messages.back().text != "Unexpected Error") return 2;
            reporter.Clear();
        }
    }
    return 0;
}

// Packs again and again until told to stop; a pack refused by a busy lock is tried again.
int PackUntilStopped(const std::string& base, const std::string& stopFile, Gate& start) {
    RecordingReporter reporter;
    modDB db(reporter);
    std::string name = base;
    if (db.OpenDatabase(name) != 1) return 1;
    RecordingProgress progress;
    start.Wait();
    int packs = 0;
    while (!std::filesystem::exists(stopFile)) {
        reporter.AnswerNext(true);
        packs += db.PackRecords(progress);
        if (db.GetFileNumber() == 0) return 2;
    }
    return packs >= 2 ? 0 : 3;
}

TEST_F(EngineTest, PackWhileTwoCopiesAppendLosesNoSavedRecord) {
    TestDb form;
    form.AddField("Tag", 12).SetRecordLength(kRecordLength);
    for (int i = 0; i < 400; ++i)
        i % 2 ? form.AddDeletedRecord({"old"}) : form.AddRecord({"kept"});
    const std::string base = form.Create(dir);
    const std::string stop = dir.File("stop");
    Gate start, earlyOpened;
    // Copy 0 opened the database before the first pack; copy 1 opens it while packs run.
    const pid_t early = Spawn([&] { return AppendAll(base, 0, start, &earlyOpened); });
    earlyOpened.Wait();
    const pid_t packer = Spawn([&] { return PackUntilStopped(base, stop, start); });
    const pid_t late = Spawn([&] { return AppendAll(base, 1, start, nullptr); });
    start.Send();
    EXPECT_EQ(ExitStatus(early), 0);
    EXPECT_EQ(ExitStatus(late), 0);
    WriteFileBytes(stop, "");
    EXPECT_EQ(ExitStatus(packer), 0);

    std::string name = base;
    ASSERT_EQ(engine.OpenDatabase(name), 1);
    std::multiset<std::string> found;
    const long count = engine.GetRecordCount();
    for (long k = 1; k <= count; ++k) {
        engine.SetRecordNo(k);
        std::string tag;
        engine.ReadField(1, tag);
        found.insert(tag);
    }
    int lost = 0;
    for (int w = 0; w < 2; ++w)
        for (int i = 0; i < kAppendsEach; ++i)
            lost += found.count(Tag(w, i)) != 1;
    std::cout << "records lost: " << lost << " of " << 2 * kAppendsEach << " saved\n";
    RecordProperty("RecordsLost", lost);
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(found.count("kept"), 200u);
    EXPECT_EQ(found.size(), 200u + 2 * kAppendsEach);
}

struct Superseded {
    const char* what;
    int (modDB::*write)();
    const char* title;
};

class SupersededWrite : public PackTest, public ::testing::WithParamInterface<Superseded> {};

// Record 3 ("Three") is record 2 after the other copy's pack: a rewrite or a deletion of
// "record 3" is refused, writes into neither file, and the database is reopened.
TEST_P(SupersededWrite, IsRefusedAndTheDatabaseReopened) {
    const std::string base = Open(FiveRecords());
    engine.SetRecordNo(3);
    engine.WriteField(2, "X");
    PackInOtherCopy(base);
    const unsigned long opened = engine.OpenCount();

    EXPECT_EQ((engine.*GetParam().write)(), 0);
    EXPECT_EQ(reporter.Only(),
              (RecordedMessage{GetParam().title,
                               "The database was packed by another user. Your change was not "
                               "saved; the database has been reopened.",
                               MsgIcon::Critical}));
    EXPECT_EQ(FileBytes(base), PackedFiveRecords().Bytes());
    EXPECT_EQ(ReadFileBytes(base + ".Bak"), FiveRecords().Bytes());
    EXPECT_NE(engine.OpenCount(), opened);
    EXPECT_EQ(engine.GetRecordNo(), 1);
    EXPECT_EQ(engine.GetRecordBuffer(), PackedFiveRecords().RecordText({"One", "A"}));
    EXPECT_EQ(engine.GetRecordCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    AfterAnotherCopysPack, SupersededWrite,
    ::testing::Values(Superseded{"Rewrite", &modDB::WriteRecord, "WriteRecord"},
                      Superseded{"Delete", &modDB::DeleteRecord, "DeleteRecord"}),
    CaseName<Superseded>);

} // namespace
