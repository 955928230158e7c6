// PackRecords: what it keeps, the names it uses, the order of its file steps, and the lock it
// holds while it runs.

#include "PackFixture.h"

#include <algorithm>
#include <tuple>

namespace {

using namespace tabulo;
using namespace tabulo::test;

const std::string kConfirmText = "Make sure database is not opened by other users!\r\n"
                                 "This can corrupt your database!!!\r\n"
                                 "Continue Yes/No?";

// The live records in order, the old file as the backup; header members the engine never
// reads come out byte for byte. Packing again keeps only the latest old file.
TEST_F(PackTest, KeepsTheLiveRecordsInOrderAndBacksUpTheOldFile) {
    TestDb db = FiveRecords(), packed = PackedFiveRecords();
    db.MutableHeader().Reserved2 = packed.MutableHeader().Reserved2 = std::string(62, 'r');
    const std::string base = Open(db);
    const std::string old = FileBytes(base);
    engine.SetRecordNo(3);
    WriteFileBytes(base + ".TbB", "left over from an earlier failure");

    ASSERT_EQ(Pack(), 1);
    ASSERT_EQ(reporter.questions.size(), 1u);
    EXPECT_EQ(reporter.questions[0], (RecordedQuestion{"Pack", kConfirmText, MsgIcon::None, true}));
    EXPECT_EQ(reporter.messages, std::vector<RecordedMessage>{});
    EXPECT_EQ(std::tuple(progress.shows, progress.eventRuns, progress.lastDone, progress.lastTotal,
                         progress.hides),
              std::tuple(5L, 5L, 5L, 5L, 1));

    EXPECT_EQ(FileBytes(base), packed.Bytes());
    EXPECT_EQ(ReadFileBytes(base + ".Bak"), old);
    EXPECT_EQ(LeftOver(base), "");
    EXPECT_EQ(engine.GetRecordNo(), 1);
    EXPECT_EQ(engine.GetRecordCount(), 3);
    EXPECT_EQ(engine.GetRecordBuffer(), packed.RecordText({"One", "A"}));

    ASSERT_EQ(Pack(), 1);
    EXPECT_EQ(FileBytes(base), packed.Bytes());
    EXPECT_EQ(ReadFileBytes(base + ".Bak"), packed.Bytes());
}

// A pack that does not go ahead changes nothing: not the file, the previous backup, a stale
// work file or the current record. Answering No asks nothing more; another copy writing
// holds the lock for a moment and the pack is refused at once.
TEST_F(PackTest, APackThatDoesNotGoAheadChangesNothing) {
    for (const bool lockHeld : {false, true}) {
        SCOPED_TRACE(lockHeld ? "lock busy" : "answered no");
        const std::string base = Open(FiveRecords(), lockHeld ? "Busy" : "No");
        WriteFileBytes(base + ".Bak", "old backup");
        WriteFileBytes(base + ".TbB", "stale");
        const std::string old = FileBytes(base);
        engine.SetRecordNo(4);
        std::unique_ptr<DbFile> lockHolder;
        if (lockHeld) {
            lockHolder = DbFile::Open(faults, base + ".Tbd");
            ASSERT_TRUE(lockHolder && lockHolder->TryLockByte0());
        }
        progress = RecordingProgress{};
        EXPECT_EQ(Pack(lockHeld), 0);
        std::vector<RecordedMessage> said;
        if (lockHeld)
            said.push_back({"Pack Database",
                            "Unexpected Error\r\nAnother user is writing to it: " + base + ".Tbd",
                            MsgIcon::Critical});
        EXPECT_EQ(reporter.messages, said);
        EXPECT_EQ(FileBytes(base), old);
        EXPECT_EQ(ReadFileBytes(base + ".Bak"), "old backup");
        EXPECT_EQ(ReadFileBytes(base + ".TbB"), "stale");
        EXPECT_EQ(engine.GetRecordNo(), 4);
        EXPECT_EQ(engine.GetRecordCount(), 5);
        EXPECT_EQ(progress.hides, lockHeld ? 1 : 0);
        EXPECT_EQ(progress.shows, 0);
        lockHolder.reset();
        engine.CloseDatabase();
        reporter.Clear();
    }
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

// Each flush and rename comes before the step that relies on it, and the lock is held from
// before the work file exists until the old file has its final name.
TEST_F(PackTest, FileStepsComeInAnOrderThatACrashCannotBreak) {
    const std::string base = Open(FiveRecords());
    const std::string db = base + ".Tbd", work = base + ".TbB", copy = base + ".TbO",
                      bak = base + ".Bak";
    const std::vector<LoggedStep> log = faults.StepsOf([&] { EXPECT_EQ(Pack(), 1); });

    auto first = [&](FileStep step, const std::string& path, const std::string& to = "") {
        const auto at = std::find_if(log.begin(), log.end(), [&](const LoggedStep& s) {
            return s.step == step && s.path == path && s.to == to;
        });
        EXPECT_NE(at, log.end()) << FileStepName(step) << " " << path;
        return at - log.begin();
    };
    auto last = [&](FileStep step, const std::string& path) {
        const auto at = std::find_if(log.rbegin(), log.rend(), [&](const LoggedStep& s) {
            return s.step == step && s.path == path;
        });
        return log.rend() - at - 1;
    };
    const auto locked = first(FileStep::Lock, db);
    const auto swapped = first(FileStep::Rename, work, db);
    const auto backedUp = first(FileStep::Rename, copy, bak);
    const auto synced = first(FileStep::SyncDir, db);
    EXPECT_LT(locked, first(FileStep::Create, work));
    EXPECT_LT(first(FileStep::Create, work), first(FileStep::Create, copy))
        << "a copy without a work file stands for a finished pack";
    for (const std::string& file : {work, copy}) {
        SCOPED_TRACE(file);
        EXPECT_LT(last(FileStep::Write, file), last(FileStep::Flush, file))
            << "on disk before it is relied on";
        EXPECT_LT(last(FileStep::Flush, file), swapped);
    }
    // The count is written last, and only once the records it counts are on disk.
    const auto countWritten = last(FileStep::Write, work);
    const auto recordsFlushed =
        std::find_if(log.begin() + first(FileStep::Create, work), log.begin() + countWritten,
                     [&](const auto& s) { return s.step == FileStep::Flush && s.path == work; });
    EXPECT_NE(recordsFlushed, log.begin() + countWritten);
    EXPECT_TRUE(std::none_of(recordsFlushed, log.begin() + countWritten, [&](const auto& s) {
        return s.step == FileStep::Write && s.path == work;
    })) << "no record written after that flush";
    EXPECT_LT(swapped, backedUp) << "the old backup goes only once the pack has succeeded";
    EXPECT_LT(backedUp, synced);
    EXPECT_LT(synced, first(FileStep::Unlock, db)) << "the lock is held through the swap";
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [&](const auto& s) { return s.step == FileStep::Remove; }),
              0)
        << "a clean pack deletes nothing";
}

// Writes asked for while the pack lets events run are refused before they touch the lock:
// this copy's own (a window's Update, Delete or Close) as the database is being packed,
// another copy's append with its usual message. At every record of the pack no other open
// file can take the lock and nothing goes into the old file; once the pack is over, the
// same write goes through, into the packed file.
TEST_F(PackTest, WritesDuringThePackAreRefusedAndLeaveItsLockHeld) {
    struct Case {
        const char* name;
        bool otherCopy;
        int (modDB::*operation)();
        RecordedMessage refusal;
    };
    const std::string packing = "Unexpected Error\r\nThe database is being packed.";
    const Case cases[] = {
        {"append", false, &modDB::AddRecord, {"AddRecord", packing}},
        {"rewrite", false, &modDB::WriteRecord, {"WriteRecord", packing}},
        {"mark", false, &modDB::DeleteRecord, {"DeleteRecord", packing}},
        {"close",
         false,
         &modDB::CloseDatabase,
         {"CLOSE DATABASE", "The database is being packed."}},
        {"other copy's append", true, &modDB::AddRecord, {"AddRecord", "Unexpected Error"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string base = Open(FiveRecords());
        const std::string old = FileBytes(base);
        if (c.otherCopy) OpenInOtherCopy(base);
        modDB& writer = c.otherCopy ? other : engine;
        auto otherFile = DbFile::Open(faults, base + ".Tbd");
        ASSERT_TRUE(otherFile);
        int refused = 0, locked = 0;
        writer.ClearRecord();
        progress.onEvents = [&] {
            writer.WriteField(1, "Late");
            refused += (writer.*c.operation)() == 0;
            locked += otherFile->TryLockByte0();
        };
        ASSERT_EQ(Pack(), 1);
        progress.onEvents = nullptr;
        EXPECT_EQ(refused, 5);
        EXPECT_EQ(locked, 0) << "another open file took the pack's lock";
        EXPECT_EQ((c.otherCopy ? otherReporter : reporter).messages,
                  std::vector<RecordedMessage>(5, c.refusal));
        EXPECT_EQ(FileBytes(base), PackedFiveRecords().Bytes());
        EXPECT_EQ((writer.*c.operation)(), 1);
        EXPECT_EQ(ReadFileBytes(base + ".Bak"), old) << "nothing went into the old file";
        if (c.otherCopy) {
            EXPECT_EQ(FileBytes(base), PackedFiveRecords().AddRecord({"Late"}).Bytes());
            other.CloseDatabase();
        }
        engine.CloseDatabase();
        reporter.Clear();
        otherReporter.Clear();
    }
}

// The pack's files follow the database's own name, and the packed file is opened again by
// its path, not by the name rule (which would find Y.Tbd for Y.tbd.Tbd, or nothing for
// STOCK.TBD).
TEST_F(PackTest, ReopensTheFileItPackedAndNamesItsFilesAfterIt) {
    struct Case {
        const char* file;
        const char* openAs;
        const char* backup;
        const char* neighbour; // a file the name rule might reach; never touched
    };
    for (const Case& c : {Case{"Y.tbd.Tbd", "Y.tbd.Tbd", "Y.tbd.Bak", "Y.Tbd"},
                          Case{"Z.tbd.Tbd", "Z.tbd.tbd", "Z.tbd.Bak", ""},
                          Case{"STOCK.TBD", "STOCK", "STOCK.Bak", ""}}) {
        SCOPED_TRACE(c.file);
        FiveRecords().WriteTo(dir.File(c.file));
        if (*c.neighbour) WriteFileBytes(dir.File(c.neighbour), "another database");
        ASSERT_EQ(engine.OpenDatabase(FilePath(dir.File(c.openAs))), 1);
        ASSERT_EQ(Pack(), 1);
        EXPECT_EQ(reporter.messages, std::vector<RecordedMessage>{});
        EXPECT_EQ(engine.GetFilePath().Native(), dir.File(c.file));
        EXPECT_EQ(engine.GetRecordCount(), 3);
        EXPECT_EQ(ReadFileBytes(dir.File(c.file)), PackedFiveRecords().Bytes());
        EXPECT_EQ(ReadFileBytes(dir.File(c.backup)), FiveRecords().Bytes());
        if (*c.neighbour) {
            EXPECT_EQ(ReadFileBytes(dir.File(c.neighbour)), "another database");
        }
        engine.CloseDatabase();
        reporter.Clear();
    }
}

// Records after those the header counts (a count written by another tool, an append cut
// short) are left out of the packed file: the pack says how many and drops them only when
// the user says so.
TEST_F(PackTest, RecordsAfterTheCountAreDroppedOnlyWhenTheUserSaysSo) {
    for (const bool drop : {false, true}) {
        SCOPED_TRACE(drop ? "dropped" : "kept");
        TestDb db = TwoFieldDb();
        db.AddRecord({"One"}).AddDeletedRecord({"Two"}).AddRecord({"Three"}).SetRecordCount(1);
        const std::string base = Open(db, drop ? "Dropped" : "Kept");
        const std::string old = FileBytes(base);
        reporter.AnswerNext(true);
        EXPECT_EQ(Pack(drop), drop ? 1 : 0);
        EXPECT_EQ(reporter.questions.back(),
                  (RecordedQuestion{"Pack Database",
                                    "The file holds 2 records after those its header "
                                    "counts.\r\nThe pack drops them for good.\r\nDrop 2 "
                                    "records Yes/No?",
                                    MsgIcon::Critical, true}));
        TestDb packed = TwoFieldDb();
        EXPECT_EQ(FileBytes(base), drop ? packed.AddRecord({"One"}).Bytes() : old);
        EXPECT_EQ(ReadFileBytes(base + ".Bak"), drop ? old : "");
        EXPECT_EQ(LeftOver(base), "");
        if (!drop) {
            EXPECT_EQ(reporter.messages, std::vector<RecordedMessage>{});
            auto probe = DbFile::Open(faults, base + ".Tbd");
            EXPECT_TRUE(probe && probe->TryLockByte0()) << "the lock was given back";
        }
        engine.CloseDatabase();
        reporter.Clear();
    }
}

// Another copy packed the database after this one opened it: this copy packs the file now at
// the path, not its old one (the other copy's backup).
TEST_F(PackTest, PacksTheCurrentFileAfterAnotherCopysPack) {
    const std::string base = Open(FiveRecords());
    OpenInOtherCopy(base);
    otherReporter.AnswerNext(true);
    ASSERT_EQ(other.PackRecords(progress), 1);
    other.SetRecordNo(2);
    other.DeleteRecord();
    const std::string afterOther = FileBytes(base);

    ASSERT_EQ(Pack(), 1);
    EXPECT_EQ(ReadFileBytes(base + ".Bak"), afterOther);
    EXPECT_EQ(engine.GetRecordCount(), 2);
}

} // namespace
