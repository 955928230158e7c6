// File failures whose reason is known: the box keeps its title and "Unexpected Error" as its
// first line and says the system's reason and the file on the second. And a database the
// system will not let this copy write opens for reading, its writes refused with the reason.

#include "PackFixture.h"

#include <algorithm>
#include <functional>
#include <tuple>

namespace {

using namespace tabulo;
using namespace tabulo::test;

class FailureReasons : public PackTest {
protected:
    // The message the row expects: title, "Unexpected Error", then the reason and the file.
    RecordedMessage Expected(const char* title, const std::string& reason,
                             const std::string& base) const {
        return {title, "Unexpected Error\r\n" + reason + ": " + base + ".Tbd", MsgIcon::Critical};
    }
    // Opens base with the system refusing writing (the first open fails with that error).
    void OpenRefusingWrites(const std::string& base, int error) {
        faults.FailAtStep(1, error);
        ASSERT_EQ(engine.OpenDatabase(FilePath(base)), 1);
        faults.ResetSteps();
        ASSERT_TRUE(engine.IsReadOnly());
    }
};

struct OpenCase {
    const char* what;
    std::string bytes;
    std::function<void()> arm; // makes the file steps of the open fail
    std::string reason;
};

TEST_F(FailureReasons, OpenSaysWhyTheFileCannotBeADatabase) {
    const std::string good = TwoFieldDb().AddRecord({"Ann"}).Bytes();
    auto withLength = [&](int32_t length) {
        std::string b = good;
        PutLong(b, 4, static_cast<uint32_t>(length));
        return b;
    };
    // clang-format off
    const std::vector<OpenCase> cases = {
        {"empty file", "", {}, "It holds 0 bytes, fewer than a header's 23496"},
        {"header cut short", good.substr(0, 23495), {}, "It holds 23495 bytes, fewer than a header's 23496"},
        {"record length 0", withLength(0), {}, "Its header gives a record length of 0"},
        {"negative record length", withLength(-7), {}, "Its header gives a record length of -7"},
        {"absurd record length", withLength(0x7FFFFFFF), {}, "Its header gives a record length of 2147483647"},
        {"unreadable", good, [this] { faults.FailFromStep(1, EACCES); }, "Permission denied"},
        {"header read fails", good, [this] { faults.FailAtStep(2, EIO); }, "Input/output error"},
    };
    // clang-format on
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string base = dir.File("Bad");
        WriteFileBytes(base + ".Tbd", c.bytes);
        reporter.Clear();
        if (c.arm) c.arm();
        EXPECT_EQ(engine.OpenDatabase(FilePath(base)), 0);
        faults.ResetSteps();
        EXPECT_EQ(reporter.Only(), Expected("Open Database", c.reason, base));
        EXPECT_EQ(engine.GetFileNumber(), 0);
    }
}

// The writes; each box is titled with the write's own name.
const std::pair<const char*, int (modDB::*)()> kWrites[] = {
    {"WriteRecord", &modDB::WriteRecord},
    {"AddRecord", &modDB::AddRecord},
    {"DeleteRecord", &modDB::DeleteRecord},
};

// The system refuses writing to the file or to the file system, or the disk fills up while
// a record is written: each write's box gives the reason and the file keeps what it held. A
// database the system will not let this copy write opens all the same, reads as always, and
// refuses the pack with the reason too.
TEST_F(FailureReasons, AFailedWriteSaysWhy) {
    const std::tuple<int, const char*, bool> rows[] = {
        // the error, its reason, and whether the system refuses at the open or at the write
        {EACCES, "Permission denied", true},
        {EROFS, "Read-only file system", true},
        {ENOSPC, "No space left on device", false},
    };
    for (const auto& [error, reason, atOpen] : rows) {
        SCOPED_TRACE(reason);
        const std::string base = dir.File("Shelf" + std::to_string(error));
        WriteFileBytes(base + ".Tbd", FiveRecords().Bytes());
        reporter.Clear();
        if (atOpen)
            OpenRefusingWrites(base, error);
        else
            ASSERT_EQ(engine.OpenDatabase(FilePath(base)), 1);
        EXPECT_TRUE(reporter.messages.empty());
        std::string value;
        EXPECT_EQ(engine.GotoLastRecord(), 1);
        EXPECT_EQ(engine.ReadField(1, value), 1);
        EXPECT_EQ(value, "Five");
        const std::string before = FileBytes(base);
        for (const auto& [title, write] : kWrites) {
            SCOPED_TRACE(title);
            reporter.Clear();
            if (!atOpen) faults.FailFromStep(2, error); // the lock is step 1
            EXPECT_EQ((engine.*write)(), 0);
            faults.ResetSteps();
            EXPECT_EQ(reporter.Only(), Expected(title, reason, base));
        }
        if (atOpen) {
            reporter.Clear();
            EXPECT_EQ(engine.PackRecords(progress), 0);
            EXPECT_TRUE(reporter.questions.empty()) << "nothing to ask about";
            EXPECT_EQ(reporter.Only(), Expected("Pack Database", reason, base));
        }
        EXPECT_EQ(FileBytes(base), before);
        EXPECT_EQ(LeftOver(base), "");
        engine.CloseDatabase();
    }
}

// The pack is done when its packed file cannot be opened again: it succeeds, the database is
// left closed and the box says why.
TEST_F(FailureReasons, APackedFileThatCannotBeReopenedLeavesThePackDone) {
    Open(FiveRecords(), "Trial");
    faults.ResetSteps();
    const std::vector<LoggedStep> log = faults.StepsOf([&] { EXPECT_EQ(Pack(), 1); });
    engine.CloseDatabase();
    const auto reopen = std::find_if(log.rbegin(), log.rend(),
                                     [](const LoggedStep& s) { return s.step == FileStep::Open; });
    ASSERT_NE(reopen, log.rend());
    const long step = static_cast<long>(log.rend() - reopen);

    const std::string base = Open(FiveRecords());
    faults.FailFromStep(step, EACCES);
    EXPECT_EQ(Pack(), 1);
    faults.ResetSteps();
    EXPECT_EQ(reporter.Only(), Expected("Open Database", "Permission denied", base));
    EXPECT_EQ(engine.GetFileNumber(), 0);
    EXPECT_EQ(FileBytes(base), PackedFiveRecords().Bytes());
}

} // namespace
