#include "ReplacedFile.h"
#include "TbFixture.h"
#include "engine/DbAccess.h"

namespace tabulo::test {
namespace {

constexpr int kRecordLength = 21;

// File offset of a character of record k (1-based), the character after the mark being 1.
size_t At(long k, int character) {
    return kHeaderSize + static_cast<size_t>(k - 1) * kRecordLength + character;
}

TEST_F(TbTest, GetDBFieldReadsAnyRecordByNamesInStoredCapitals) {
    OpenLookup();
    for (const char* name : {"city", "  ciTy "}) {
        EXPECT_EQ(tb.GetDBField(1, name), "Rome") << name;
        EXPECT_EQ(tb.Cancel, 0);
    }
    EXPECT_TRUE(reporter.messages.empty());
    for (const char* name : {"Region", "region"}) {
        EXPECT_EQ(tb.GetDBField(1, name), "") << name;
        EXPECT_EQ(tb.Cancel, -1);
    }
    EXPECT_EQ(reporter.messages.size(), 2u);

    // Any record is read straight from the file.
    EXPECT_EQ(tb.GetDBCount(), 3);
    EXPECT_EQ(tb.GetDBField(2, "CITY"), "Milan"); // marked deleted, read like any other
    EXPECT_EQ(tb.GetDBField(3, "CODE"), "NA");
    // The engine's record is untouched.
    EXPECT_EQ(engine.GetRecordNo(), 1);
    EXPECT_EQ(engine.GetRecordBuffer(), " Ann       Rome    ");
}

TEST_F(TbTest, SetDBFieldWritesTheFieldPaddedAndNothingElse) {
    OpenLookup();
    std::string expected = LookupBytes();
    tb.SetDBField(3, "code", " AB ");
    EXPECT_EQ(tb.Cancel, 0);
    expected.replace(At(3, 1), 4, "AB  ");
    EXPECT_EQ(LookupBytes(), expected);

    tb.SetDBField(1, "CITY", "Reggio Emilia");
    expected.replace(At(1, 5), 10, "Reggio Emi");
    EXPECT_EQ(LookupBytes(), expected);
    EXPECT_EQ(tb.GetDBField(1, "CITY"), "Reggio Emi");
    EXPECT_TRUE(reporter.messages.empty());
}

// Another copy holding the lock, then a write that fails: neither changes the file, both
// are reported, and the lock is free again for the other copies; the next write goes through.
TEST_F(TbTest, SetDBFieldRefusedOrFailedLeavesTheFileAndTheLock) {
    OpenLookup();
    const std::string before = LookupBytes();
    auto other = DbFile::Open(faults, lookupBase + ".Tbd");
    ASSERT_TRUE(other && other->TryLockByte0());
    tb.SetDBField(1, "CODE", "XX");
    EXPECT_EQ(tb.Cancel, -1);
    other->UnlockByte0();
    faults.FailAtStep(3); // the lock, the record length read again, then the write
    tb.SetDBField(1, "CODE", "XX");
    faults.ResetSteps();
    EXPECT_EQ(reporter.messages,
              std::vector<RecordedMessage>(2, {"SetDBField", "Unexpected Error!"}));
    EXPECT_EQ(LookupBytes(), before);
    ASSERT_TRUE(other->TryLockByte0()) << "the lock was given back";
    other->UnlockByte0();

    tb.SetDBField(1, "CODE", "XX");
    EXPECT_EQ(tb.Cancel, 0);
    EXPECT_EQ(LookupBytes().substr(At(1, 1), 4), "XX  ");
}

class ReplacedLookup : public TbTest, public ::testing::WithParamInterface<ReplacedCase> {};

// The look-up database stopped being the file the script opened: SetDBField writes nothing
// and says why. After a pack, whose record numbers may differ, the packed file is opened, and
// the next write goes there.
TEST_P(ReplacedLookup, SetDBFieldWritesToTheFileAtThePathOrIsRefused) {
    const ReplacedCase& c = GetParam();
    OpenLookup();
    ReplaceDatabase(lookupBase, c.how, CitiesDb());
    const std::string now = LookupBytes();

    tb.SetDBField(3, "CODE", "XX");
    EXPECT_EQ(reporter.Only(),
              (RecordedMessage{"SetDBField", c.sameForm ? kPackedByOther : kFormChanged}));
    EXPECT_EQ(tb.Cancel, -1);
    EXPECT_EQ(LookupBytes(), now);
    if (*c.oldFileExtension) {
        EXPECT_EQ(ReadFileBytes(lookupBase + c.oldFileExtension), CitiesDb().Bytes())
            << "the old file is never written";
    }
    if (!c.sameForm) return;
    tb.SetDBField(2, "CODE", "XX"); // Naples, record 3 before the pack
    EXPECT_EQ(tb.Cancel, 0);
    EXPECT_EQ(tb.GetDBField(2, "CITY"), "Naples");
    EXPECT_EQ(LookupBytes().substr(At(2, 1), 4), "XX  ");
}

INSTANTIATE_TEST_SUITE_P(EachWay, ReplacedLookup, ::testing::ValuesIn(kReplacedCases),
                         CaseName<ReplacedCase>);

TEST_F(TbTest, TheRecordCountIsTheOneLastReadFromTheHeader) {
    OpenLookup();
    // Another copy appends a fourth record.
    TestDb grown = CitiesDb();
    grown.AddRecord({"TO", "Turin", "Piem"});
    WriteFileBytes(lookupBase + ".Tbd", grown.Bytes());

    EXPECT_EQ(tb.GetDBField(4, "CODE"), "");
    EXPECT_EQ(reporter.Only(), (RecordedMessage{"GetDBField", "Record out of range"}));
    EXPECT_EQ(tb.GetDBCount(), 4);
    EXPECT_EQ(tb.GetDBField(4, "CODE"), "TO");
}

TEST_F(TbTest, OpenDBTwiceKeepsTheFirstAndCloseDBAllowsAnother) {
    OpenLookup();
    std::string other = TestDb().AddField("ZIP", 5).AddRecord({"00100"}).Create(dir, "Zips");
    tb.OpenDB(other);
    EXPECT_EQ(reporter.Only(), (RecordedMessage{"Open File", "Database already open"}));
    EXPECT_EQ(tb.GetDBField(1, "CODE"), "RM");

    tb.CloseDB();
    tb.CloseDB(); // nothing open: still no message
    tb.OpenDB(" " + other + ".tBD ");
    EXPECT_EQ(tb.Cancel, 0);
    EXPECT_EQ(tb.GetDBField(1, "ZIP"), "00100");
    EXPECT_EQ(reporter.messages.size(), 1u);
}

TEST_F(TbTest, AFileThatCannotBeReadReachesTheScriptAsAnError) {
    WriteFileBytes(dir.File("Short.Tbd"), std::string(100, ' '));
    EXPECT_THROW(tb.OpenDB(dir.File("Short")), ScriptFileError);
    EXPECT_EQ(tb.Cancel, -1);
    EXPECT_TRUE(reporter.messages.empty());
    tb.GetDBCount(); // it did not stay open
    EXPECT_EQ(reporter.Only(), (RecordedMessage{"GetDBCount", "Database not open"}));

    OpenLookup();
    WriteFileBytes(lookupBase + ".Tbd", "cut");
    EXPECT_THROW(tb.GetDBCount(), ScriptFileError);
    EXPECT_EQ(tb.Cancel, -1);
}

TEST_F(TbTest, AFieldReachingPastTheRecordIsWrittenOnlyWithinIt) {
    TestDb db = CitiesDb();
    DBField wide = db.Header().Fields[2];
    wide.Name = FixedString("WIDE", 32);
    wide.Offset = kRecordLength - 2;
    wide.Length = 6;
    db.SetField(4, wide);
    lookupBase = db.Create(dir, "Wide");
    OpenLookup();
    std::string expected = LookupBytes();
    tb.SetDBField(1, "WIDE", "ABCDEF");
    expected.replace(At(1, kRecordLength - 2), 2, "AB");
    EXPECT_EQ(LookupBytes(), expected);
    EXPECT_EQ(tb.GetDBField(1, "WIDE"), "AB");
}

TEST_F(TbTest, GetDBListShowsTheNamedColumnsAndReturnsThePick) {
    OpenLookup();
    window.browsePick = 3;
    EXPECT_EQ(tb.GetDBList({"city", " CODE "}), 3);
    EXPECT_EQ(tb.Cancel, 0);
    ASSERT_EQ(window.browseCalls.size(), 1u);
    EXPECT_EQ(window.browseCalls[0].columns, (std::vector<int16_t>{2, 1}));
    EXPECT_EQ(window.browseCalls[0].path, lookupBase + ".Tbd");

    window.browsePick = 0; // closed without a pick
    EXPECT_EQ(tb.GetDBList({"CITY"}), 0);
    EXPECT_EQ(tb.Cancel, 0);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(TbTest, GetDBListOnAnEmptyDatabaseShowsNothing) {
    lookupBase = TestDb().AddField("CODE", 4).Create(dir, "Empty");
    OpenLookup();
    EXPECT_EQ(tb.GetDBList({"CODE"}), 0);
    EXPECT_EQ(tb.Cancel, -1);
    EXPECT_TRUE(window.browseCalls.empty());
    EXPECT_TRUE(reporter.messages.empty());
}

} // namespace
} // namespace tabulo::test
