// A pack while other copies of the program use the file, as real processes: no write that
// reported success is lost, and the files of a running pack are never taken for leftovers.

#include "ChildProcess.h"
#include "PackFixture.h"
#include "engine/PackRecovery.h"

#include <algorithm>
#include <iostream>
#include <set>

namespace {

using namespace tabulo;
using namespace tabulo::test;

constexpr int kRecordLength = 32;
constexpr long kPacks = 3;

// What the copies tell each other, by round (pack r = 1, 2, ...): the pack the packer wants
// to make, the round each appender has paused for, the pack that holds the lock, the round
// in which each appender has begun an append, the packs finished, each appender's saved
// records, and whether one of them gave up.
enum Count {
    kPackWanted,
    kPausedBy0,
    kPausedBy1,
    kPackLocked,
    kTryingBy0,
    kTryingBy1,
    kPacksDone,
    kSavedBy0,
    kSavedBy1,
    kFailed,
    kCounts
};
using Counters = SharedCounters<kCounts>;

std::string Tag(int writer, long i) {
    return "w" + std::to_string(writer) + ":" + std::to_string(i);
}

// One copy appending as a user pressing Update would (with Update's patience, trying again
// after a refusal) until the packer has finished its packs. When a pack is wanted it pauses
// between two appends until the pack holds the lock, then begins its next append, which has
// to wait for the pack. Every append that returned 1 is counted as saved.
int AppendUntilPacked(const std::string& base, int writer, Counters& counts, Gate& start,
                      Gate* opened) {
    RecordingReporter reporter;
    modDB db(reporter, MachineFileSystem());
    std::string name = base;
    if (opened && db.OpenDatabase(FilePath(name)) != 1) return 1;
    if (opened) opened->Send();
    start.Wait();
    if (!opened && db.OpenDatabase(FilePath(name)) != 1) return 1;
    db.SetLockPatience(std::chrono::milliseconds(500));
    long round = 0;
    for (long i = 0; counts[kPacksDone] < kPacks; ++i) {
        if (const long wanted = counts[kPackWanted]; wanted > round) {
            round = wanted;
            counts[kPausedBy0 + writer] = round;
            Await([&] { return counts[kPackLocked] >= round || counts[kFailed]; });
            counts[kTryingBy0 + writer] = round;
        }
        db.ClearRecord();
        db.WriteField(1, Tag(writer, i));
        while (db.AddRecord() != 1) {
            if (reporter.messages.back().text != "Unexpected Error") return 2;
            reporter.Clear();
        }
        counts[kSavedBy0 + writer] = i + 1;
    }
    return 0;
}

// Packs kPacks times. Each time both appenders pause first, so the pack gets the lock; once
// it holds the lock, it goes on only when both have begun an append, which waits for it and
// then finds the file packed.
int PackWhileAppended(const std::string& base, Counters& counts, Gate& start,
                      FaultyFileSystem& faults) {
    RecordingReporter reporter;
    modDB db(reporter, faults);
    std::string name = base;
    if (db.OpenDatabase(FilePath(name)) != 1) return 1;
    RecordingProgress progress;
    start.Wait();
    for (long round = 1; round <= kPacks; ++round) {
        counts[kPackWanted] = round;
        Await([&] {
            return (counts[kPausedBy0] >= round && counts[kPausedBy1] >= round) || counts[kFailed];
        });
        if (counts[kFailed]) return 2;
        faults.WatchSteps([&](FileStep, long n) {
            if (n != 2) return; // the lock is the pack's first file step
            counts[kPackLocked] = round;
            Await([&] {
                return (counts[kTryingBy0] >= round && counts[kTryingBy1] >= round) ||
                       counts[kFailed];
            });
        });
        faults.ResetSteps();
        reporter.AnswerNext(true);
        const int packed = db.PackRecords(progress);
        faults.WatchSteps({});
        if (packed != 1 || !reporter.messages.empty()) return 3;
        counts[kPacksDone] = round;
    }
    return 0;
}

// A child's result, with the others told to stop waiting when it failed.
int Reported(int status, Counters& counts) {
    if (status != 0) counts[kFailed] = 1;
    return status;
}

TEST_F(EngineTest, PackWhileTwoCopiesAppendLosesNoSavedRecord) {
    TestDb form;
    form.AddField("Tag", 12).SetRecordLength(kRecordLength);
    for (int i = 0; i < 400; ++i)
        i % 2 ? form.AddDeletedRecord({"old"}) : form.AddRecord({"kept"});
    const std::string base = form.Create(dir);
    Counters counts;
    Gate start, earlyOpened;
    // Copy 0 opened the database before the packer did, copy 1 opens it after the packer.
    const pid_t early = Spawn(
        [&] { return Reported(AppendUntilPacked(base, 0, counts, start, &earlyOpened), counts); });
    earlyOpened.Wait();
    const pid_t packer =
        Spawn([&] { return Reported(PackWhileAppended(base, counts, start, faults), counts); });
    const pid_t late =
        Spawn([&] { return Reported(AppendUntilPacked(base, 1, counts, start, nullptr), counts); });
    start.Send();
    EXPECT_EQ(ExitStatus(packer), 0);
    EXPECT_EQ(ExitStatus(early), 0);
    EXPECT_EQ(ExitStatus(late), 0);
    EXPECT_EQ(counts[kPacksDone], kPacks);

    std::string name = base;
    ASSERT_EQ(engine.OpenDatabase(FilePath(name)), 1);
    std::multiset<std::string> found;
    const long count = engine.GetRecordCount();
    for (long k = 1; k <= count; ++k) {
        engine.SetRecordNo(k);
        std::string tag;
        engine.ReadField(1, tag);
        found.insert(tag);
    }
    const long saved = counts[kSavedBy0] + counts[kSavedBy1];
    long lost = 0;
    for (int w = 0; w < 2; ++w)
        for (long i = 0; i < counts[kSavedBy0 + w]; ++i)
            lost += found.count(Tag(w, i)) != 1;
    std::cout << "records lost: " << lost << " of " << saved << " saved during " << kPacks
              << " packs\n";
    RecordProperty("RecordsLost", std::to_string(lost));
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(found.count("kept"), 200u);
    EXPECT_EQ(static_cast<long>(found.size()), 200 + saved);
}

// A copy that opens the database while another copy's pack stands before any one of its
// file steps finds the pack's files alive and leaves them alone: the pack ends as if it
// had been alone, with nothing left over.
TEST_F(PackTest, AnOpenDuringAPackAtEachOfItsStepsLeavesThePackAlone) {
    const std::string base = dir.File("Test");
    const std::string old = FiveRecords().Bytes(), earlier = "an earlier backup";
    const auto restore = [&] {
        WriteFileBytes(base + ".Tbd", old);
        WriteFileBytes(base + ".Bak", earlier);
    };
    restore();
    std::string name = base;
    ASSERT_EQ(engine.OpenDatabase(FilePath(name)), 1);
    faults.ResetSteps();
    ASSERT_EQ(Pack(), 1);
    const long steps = faults.StepsTaken();
    engine.CloseDatabase();

    long undisturbed = 0;
    for (long n = 1; n <= steps; ++n) {
        SCOPED_TRACE("paused before step " + std::to_string(n));
        restore();
        Gate paused, resume;
        const pid_t packer = Spawn([&] {
            RecordingReporter packReporter;
            modDB db(packReporter, faults);
            std::string packName = base;
            if (db.OpenDatabase(FilePath(packName)) != 1) return 1;
            packReporter.AnswerNext(true);
            RecordingProgress packProgress;
            faults.WatchSteps([&](FileStep, long k) {
                if (k != n) return;
                paused.Send();
                resume.Wait();
            });
            faults.ResetSteps();
            return db.PackRecords(packProgress) == 1 && packReporter.messages.empty() ? 0 : 2;
        });
        paused.Wait();
        EXPECT_EQ(RecoverCutShortPack(faults, PackNamesOf(FilePath(base + ".Tbd")), {}), "");
        resume.Send();
        const bool packed = ExitStatus(packer) == 0;
        EXPECT_TRUE(packed);
        EXPECT_EQ(FileBytes(base), PackedFiveRecords().Bytes());
        EXPECT_EQ(ReadFileBytes(base + ".Bak"), old);
        EXPECT_EQ(LeftOver(base), "");
        undisturbed += packed && LeftOver(base).empty();
    }
    std::cout << "packs undisturbed by an open: " << undisturbed << " of " << steps << "\n";
}

// An open that began its repair while one pack held the database, and gets the lock only
// once that pack has ended and the next one runs, holds the lock of a file that is no longer
// the database: it must leave the next pack's files alone.
TEST_F(PackTest, AnOpenThatWaitedForOnePackLeavesTheNextPackAlone) {
    const std::string base = dir.File("Test");
    FiveRecords().WriteTo(base + ".Tbd");
    std::string name = base;
    ASSERT_EQ(engine.OpenDatabase(FilePath(name)), 1);
    faults.ResetSteps();
    const std::vector<LoggedStep> log = faults.StepsOf([&] { EXPECT_EQ(Pack(), 1); });
    engine.CloseDatabase();
    const long swap = std::find_if(log.begin(), log.end(),
                                   [](const auto& s) { return s.step == FileStep::Rename; }) -
                      log.begin() + 1;
    FiveRecords().WriteTo(base + ".Tbd");

    Gate firstPaused, firstResumed, secondPaused, secondResumed;
    const pid_t packer = Spawn([&] {
        RecordingReporter packReporter;
        modDB db(packReporter, faults);
        std::string packName = base;
        if (db.OpenDatabase(FilePath(packName)) != 1) return 1;
        RecordingProgress packProgress;
        int pack = 1;
        faults.WatchSteps([&](FileStep, long n) {
            if (n != swap) return; // the work file is complete and not yet in place
            (pack == 1 ? firstPaused : secondPaused).Send();
            (pack == 1 ? firstResumed : secondResumed).Wait();
        });
        for (; pack <= 2; ++pack) {
            faults.ResetSteps();
            packReporter.AnswerNext(true);
            if (db.PackRecords(packProgress) != 1 || !packReporter.messages.empty()) return 2;
        }
        return 0;
    });
    firstPaused.Wait();
    bool waited = false;
    faults.WatchSteps([&](FileStep step, long) {
        if (step != FileStep::Lock || waited) return;
        waited = true; // the open tries for the lock only now: the first pack ends meanwhile
        firstResumed.Send();
        secondPaused.Wait();
    });
    EXPECT_EQ(RecoverCutShortPack(faults, PackNamesOf(FilePath(base + ".Tbd")), {}), "");
    faults.WatchSteps({});
    EXPECT_TRUE(waited);
    secondResumed.Send();
    EXPECT_EQ(ExitStatus(packer), 0) << "both packs ran as if alone";
    EXPECT_EQ(FileBytes(base), PackedFiveRecords().Bytes());
    EXPECT_EQ(ReadFileBytes(base + ".Bak"), PackedFiveRecords().Bytes());
    EXPECT_EQ(LeftOver(base), "");
}

} // namespace
