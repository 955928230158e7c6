// Every refusal and file failure of the engine: the box's title, text and icon, and the
// failure result, one row per message.

#include "EngineFixture.h"

#include <functional>

namespace {

using namespace tabulo;
using namespace tabulo::test;

enum class Start {
    Closed,
    Empty,  // open, no records
    Records // open, three records, current record 1
};

struct Row {
    const char* what;
    Start start;
    std::function<long(modDB&)> call;
    std::string title;
    std::string text;
    bool firstFileStepFails = false;
};

using D = modDB;
constexpr Start C = Start::Closed, E = Start::Empty, R = Start::Records;

// The calls that need more than a member call: a value to read into, a blank name, record 2
// (marked deleted) current, a progress window.
// clang-format off
long ReadFieldN(D& d, int n) { std::string v; return d.ReadField(n, v); }
long FieldDefN(D& d, int n) { DBField f; return d.GetFieldDef(n, f); }
long BannerDefN(D& d, int n) { DBBanner b; return d.GetBannerDef(n, b); }
long HeadingSize(D& d, int n) { return static_cast<long>(d.GetPageHeading(n).size()); }
long OpenBlank(D& d) { return d.OpenDatabase(FilePath("   ")); }
long DeleteMarked(D& d) { d.SetRecordNo(2); return d.DeleteRecord(); }
long Pack(D& d) { RecordingProgress progress; return d.PackRecords(progress); }

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        {"open no name", C, OpenBlank, "OPEN DATABASE", "Invalid File Name"},
        {"close closed", C, [](D& d) { return d.CloseDatabase(); }, "CLOSE DATABASE", "File not open!"},
        {"read closed", C, [](D& d) { return d.ReadRecord(); }, "READ RECORD", "DB not open"},
        {"read empty", E, [](D& d) { return d.ReadRecord(); }, "READ RECORD", "DB is empty"},
        {"read fails", R, [](D& d) { return d.ReadRecord(); }, "ReadRecord", "Unexpected Error", true},
        {"write closed", C, [](D& d) { return d.WriteRecord(); }, "WRITE RECORD", "DB not open"},
        {"write empty", E, [](D& d) { return d.WriteRecord(); }, "WRITE RECORD", "DB is empty"},
        {"add closed", C, [](D& d) { return d.AddRecord(); }, "ADD RECORD", "DB not open"},
        {"delete closed", C, [](D& d) { return d.DeleteRecord(); }, "DELETE RECORD", "DB not open"},
        {"delete empty", E, [](D& d) { return d.DeleteRecord(); }, "DELETE RECORD", "DB is empty"},
        {"delete marked", R, DeleteMarked, "DELETE RECORD", "Record is already marked for deletion!"},
        {"is deleted closed", C, [](D& d) { return d.IsDeleted(); }, "IS DELETED", "DB not open"},
        {"is deleted empty", E, [](D& d) { return d.IsDeleted(); }, "IS DELETED", "DB is empty"},
        {"read field closed", C, [](D& d) { return ReadFieldN(d, 1); }, "READ FIELD", "DB not open"},
        {"read field 0", R, [](D& d) { return ReadFieldN(d, 0); }, "READ FIELD", "Invalid Field Number"},
        {"read field 129", R, [](D& d) { return ReadFieldN(d, 129); }, "READ FIELD", "Invalid Field Number"},
        {"read free field", R, [](D& d) { return ReadFieldN(d, 3); }, "READ FIELD", "Field not defined!"},
        {"write field closed", C, [](D& d) { return d.WriteField(1, "x"); }, "WRITE FIELD", "DB not open"},
        {"write field 0", R, [](D& d) { return d.WriteField(0, "x"); }, "WRITE FIELD", "Invalid Field Number!"},
        {"write field 129", R, [](D& d) { return d.WriteField(129, "x"); }, "WRITE FIELD", "Invalid Field Number!"},
        {"write free field", R, [](D& d) { return d.WriteField(128, "x"); }, "WRITE FIELD", "Field not defined!"},
        {"record no closed", C, [](D& d) { return d.GetRecordNo(); }, "GET RECORD NO", "DB not open"},
        {"set record closed", C, [](D& d) { return d.SetRecordNo(1); }, "SET RECORD NO", "DB not open"},
        {"set record 0", R, [](D& d) { return d.SetRecordNo(0); }, "SET RECORD NO", "Record Out of range!"},
        {"set record past count", R, [](D& d) { return d.SetRecordNo(4); }, "SET RECORD NO", "Record Out of range!"},
        {"record count closed", C, [](D& d) { return d.GetRecordCount(); }, "GET RECORD COUNT", "DB not open"},
        {"first closed", C, [](D& d) { return d.GotoFirstRecord(); }, "GOTO FIRST RECORD", "DB not open!"},
        {"first empty", E, [](D& d) { return d.GotoFirstRecord(); }, "GOTO FIRST RECORD", "DB is empty"},
        {"last closed", C, [](D& d) { return d.GotoLastRecord(); }, "GOTO LAST RECORD", "DB not open!"},
        {"last empty", E, [](D& d) { return d.GotoLastRecord(); }, "GOTO LAST RECORD", "DB is empty"},
        {"next closed", C, [](D& d) { return d.GotoNextRecord(); }, "GOTO NEXT RECORD", "DB not open!"},
        {"previous closed", C, [](D& d) { return d.GotoPreviousRecord(); }, "GOTO PREVIOUS RECORD", "DB not open!"},
        {"clear closed", C, [](D& d) { return d.ClearRecord(); }, "CLEAR RECORD", "DB not open!"},
        {"field def 0", C, [](D& d) { return FieldDefN(d, 0); }, "GET FIELD", "Field out of range"},
        {"field def 129", R, [](D& d) { return FieldDefN(d, 129); }, "GET FIELD", "Field out of range"},
        {"banner def 0", C, [](D& d) { return BannerDefN(d, 0); }, "GET BANNER", "Banner number out of range!"},
        {"banner def 129", R, [](D& d) { return BannerDefN(d, 129); }, "GET BANNER", "Banner number out of range!"},
        {"page heading 0", R, [](D& d) { return HeadingSize(d, 0); }, "GET PAGE HEADING", "Invalid Page NO specified"},
        {"page heading 9", R, [](D& d) { return HeadingSize(d, 9); }, "GET PAGE HEADING", "Invalid Page NO specified"},
        {"pack closed", C, Pack, "PACK RECORDS", "DB not open!"},
    };
    return rows;
}
// clang-format on

class MessageTable : public EngineTest, public ::testing::WithParamInterface<Row> {};

TEST_P(MessageTable, ShowsItsBoxAndFails) {
    const Row& row = GetParam();
    std::string base;
    if (row.start == Start::Empty) base = Open(TwoFieldDb());
    if (row.start == Start::Records)
        base = Open(TwoFieldDb().AddRecord({"Ann"}).AddDeletedRecord({"Bob"}).AddRecord({"Cy"}));
    const std::string before = base.empty() ? "" : FileBytes(base);

    if (row.firstFileStepFails) faults.FailAtStep(1);
    EXPECT_EQ(row.call(engine), 0);
    faults.ResetSteps();
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.Only(), (RecordedMessage{row.title, row.text, MsgIcon::Critical}));
    if (!base.empty()) {
        EXPECT_EQ(FileBytes(base), before) << "a refusal never writes";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMessage, MessageTable, ::testing::ValuesIn(Rows()), CaseName<Row>);

// The rows whose text names a file.
TEST_F(EngineTest, OpenMessagesNameTheFile) {
    const std::string first = Open(TwoFieldDb(), "Stock");
    std::string second = dir.File("Other");
    EXPECT_EQ(engine.OpenDatabase(FilePath(second)), 0);
    EXPECT_EQ(reporter.Only(), (RecordedMessage{"OPEN DATABASE", "FILE:" + first + " already open",
                                                MsgIcon::Critical}));
    EXPECT_EQ(engine.GetBaseName().Native(), first) << "the first database stays open";

    engine.CloseDatabase();
    reporter.Clear();
    std::string missing = "  " + dir.File("Missing") + ".TBD ";
    EXPECT_EQ(engine.OpenDatabase(FilePath(missing)), 0);
    EXPECT_EQ(reporter.Only(),
              (RecordedMessage{"OPEN DATABASE", "FILE:" + dir.File("Missing") + " not found!",
                               MsgIcon::Critical}));
}

// An append that fails at any of its file steps, the lock's release included, says so and
// leaves the lock free for the other copies. Each step is tried on a fresh file.
TEST_F(EngineTest, AnAppendFailingAtAnyFileStepIsReportedAndFreesTheLock) {
    const TestDb db = TwoFieldDb().AddRecord({"Ann"});
    Open(db, "Clean");
    faults.ResetSteps();
    ASSERT_EQ(engine.AddRecord(), 1);
    const long steps = faults.StepsTaken();
    ASSERT_GT(steps, 2);
    for (long step = 1; step <= steps; ++step) {
        SCOPED_TRACE(step);
        engine.CloseDatabase();
        const std::string base = Open(db, "Step" + std::to_string(step));
        faults.FailAtStep(step);
        EXPECT_EQ(engine.AddRecord(), 0);
        faults.ResetSteps();
        // A busy lock has no reason to give; a failed write or release gives the system's.
        const std::string reason = faults.LastInjectedStep() == FileStep::Lock
                                       ? ""
                                       : "\r\nInput/output error: " + base + ".Tbd";
        EXPECT_EQ(reporter.Only(), (RecordedMessage{"AddRecord", "Unexpected Error" + reason}));
        const auto anotherCopy = DbFile::Open(faults, base + ".Tbd");
        EXPECT_TRUE(anotherCopy && anotherCopy->TryLockByte0());
    }
}

// Full by the count in memory, or filled by another copy since this one last read the count:
// the count re-read under the lock refuses the append just the same. A refused append never
// asks its caller for a number.
TEST_F(EngineTest, AppendToAFullDatabaseIsRefused) {
    int numbered = 0;
    auto number = [&](long) { ++numbered; };
    EXPECT_EQ(engine.AddRecord(number), 0); // no database open
    const std::string full = WithBlankRecords(TwoFieldDb(), kMaxRecords);
    for (int32_t counted : {int32_t(kMaxRecords), int32_t(kMaxRecords - 1)}) {
        SCOPED_TRACE(counted);
        const std::string base =
            OpenBytes(WithBlankRecords(TwoFieldDb(), counted), "Full" + std::to_string(counted));
        WriteFileBytes(base + ".Tbd", full);
        EXPECT_EQ(engine.AddRecord(number), 0);
        EXPECT_EQ(reporter.Only(),
                  (RecordedMessage{"ADD RECORD", "DB is Full", MsgIcon::Critical}));
        EXPECT_EQ(FileBytes(base), full);
        engine.CloseDatabase();
        reporter.Clear();
    }
    EXPECT_EQ(numbered, 0);
}

} // namespace
