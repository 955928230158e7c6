// The engine's behaviour on good and damaged files. File contents are checked with a reader
// written here from the format tables, independent of the engine's own encoder.

#include "EngineFixture.h"

#include <tuple>

namespace {

using namespace tabulo;
using namespace tabulo::test;

// Record k of a file as stored: RecordLength bytes after the 23,496-byte header.
std::string StoredRecord(const std::string& bytes, long k) {
    const int32_t length = LongAt(bytes, 4);
    return bytes.substr(23496 + static_cast<size_t>(k - 1) * length, length);
}

// Field n of the current record, or "refused" when it cannot be read.
std::string Value(modDB& engine, int n) {
    std::string v;
    return engine.ReadField(n, v) == 1 ? v : "refused";
}

// The current record's number, first field and mark ("*" when marked deleted).
std::string Where(modDB& engine) {
    return std::to_string(engine.GetRecordNo()) + " " + Value(engine, 1) +
           (engine.IsDeleted() ? "*" : "");
}

// A file put together byte by byte from the format tables, without the engine's encoder: the
// records and a field's place in them. (The header's other members are checked at their
// offsets by DBHeader_test and the description tests of tabulo-cli, and looked up in
// HeaderLookUps.)
TEST_F(EngineTest, ReadsAFileWrittenFromTheFormatTables) {
    std::string bytes(23496, '\0');
    PutLong(bytes, 0, 2);     // RecordCount
    PutLong(bytes, 4, 12);    // RecordLength
    PutInteger(bytes, 70, 2); // FieldCount
    const size_t field2 = 12360 + 53;
    bytes[field2] = 1;                 // Page
    PutInteger(bytes, field2 + 9, 4);  // Length
    PutInteger(bytes, field2 + 51, 7); // Offset
    bytes += " abc    12  *xyz   9876 ";
    WriteFileBytes(dir.File("Hand.Tbd"), bytes);

    ASSERT_EQ(engine.OpenDatabase(FilePath(dir.File("Hand"))), 1);
    EXPECT_EQ(Value(engine, 2), "12");
    EXPECT_EQ(engine.GotoNextRecord(), 1);
    EXPECT_EQ(engine.IsDeleted(), -1);
    EXPECT_EQ(Value(engine, 2), "9876");
    EXPECT_EQ(Value(engine, 1), "refused") << "slot 1 is free";
}

// A file of no records opens by its name with blanks and the suffix in any case, takes its
// first record, and once it is closed the engine holds the default header again.
TEST_F(EngineTest, OpensFileOfNoRecordsAddsTheFirstAndCloses) {
    engine.SetScreenTwips(12, 20);
    EXPECT_EQ(engine.GetWindowDef().Width, 640 * 12);
    TestDb db = TwoFieldDb();
    db.MutableHeader().Window.Width = 1234;
    std::string name = db.Create(dir, "Stock");
    ASSERT_EQ(engine.OpenDatabase(FilePath("  " + name + ".tBD ")), 1);
    EXPECT_EQ(engine.GetBaseName().Native(), name) << "trimmed and without the suffix";
    EXPECT_NE(engine.GetFileNumber(), 0);
    EXPECT_EQ(engine.GetWindowDef().Width, 1234);
    EXPECT_EQ(engine.GetRecordNo(), 0);
    EXPECT_EQ(engine.GetRecordBuffer(), std::string(19, ' '));

    ASSERT_EQ(engine.WriteField(1, "Ann"), 1);
    ASSERT_EQ(engine.AddRecord(), 1);
    EXPECT_EQ(engine.GetRecordNo(), 1);
    const std::string bytes = FileBytes(name);
    ASSERT_EQ(bytes.size(), 23496u + 19);
    EXPECT_EQ(LongAt(bytes, 0), 1);
    EXPECT_EQ(StoredRecord(bytes, 1), " Ann               ");

    ASSERT_EQ(engine.CloseDatabase(), 1);
    EXPECT_EQ(engine.GetFileNumber(), 0);
    EXPECT_EQ(engine.GetBaseName().Native(), "");
    EXPECT_EQ(EncodeHeader(engine.Header()), EncodeHeader(DefaultHeader(12, 20)));
    EXPECT_TRUE(reporter.messages.empty());
}

// Each step's result, then the record it leaves current.
TEST_F(EngineTest, NavigationVisitsMarkedRecords) {
    Open(TwoFieldDb().AddRecord({"One"}).AddDeletedRecord({"Two"}).AddRecord({"Three"}));
    std::vector<std::string> seen;
    for (auto go : {&modDB::GotoNextRecord, &modDB::GotoNextRecord, &modDB::GotoNextRecord,
                    &modDB::GotoFirstRecord, &modDB::GotoPreviousRecord, &modDB::GotoLastRecord,
                    &modDB::GotoPreviousRecord}) {
        const int result = (engine.*go)();
        seen.push_back(std::to_string(result) + ": " + Where(engine));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"1: 2 Two*", "1: 3 Three", "0: 3 Three", "1: 1 One",
                                              "0: 1 One", "1: 3 Three", "1: 2 Two*"}));
    EXPECT_TRUE(reporter.messages.empty());
}

// Another copy appends record 3 while this one stands on record 2 with a count of 2: the
// operations that re-read the count see the new record, the others keep the count they had.
struct CountCase {
    const char* what;
    long (*run)(modDB& engine);
    long result;
    long current;     // the record current afterwards
    const char* name; // its first field
    bool sees3;       // record 3 can be made current afterwards
};

const CountCase kCountCases[] = {
    {"GetRecordCount", [](modDB& e) -> long { return e.GetRecordCount(); }, 3, 2, "Two", true},
    {"GotoLastRecord", [](modDB& e) -> long { return e.GotoLastRecord(); }, 1, 3, "Three", true},
    {"GotoNextRecord", [](modDB& e) -> long { return e.GotoNextRecord(); }, 1, 3, "Three", true},
    {"AddRecord", [](modDB& e) -> long { return e.AddRecord(); }, 1, 4, "Two", true},
    {"GotoFirstRecord", [](modDB& e) -> long { return e.GotoFirstRecord(); }, 1, 1, "One", false},
    {"GotoPreviousRecord", [](modDB& e) -> long { return e.GotoPreviousRecord(); }, 1, 1, "One",
     false},
    {"ReadRecord", [](modDB& e) -> long { return e.ReadRecord(); }, 1, 2, "Two", false},
};

class CountRefresh : public EngineTest, public testing::WithParamInterface<CountCase> {};

TEST_P(CountRefresh, AfterAnotherCopysAppend) {
    const CountCase& c = GetParam();
    const std::string base = Open(TwoFieldDb().AddRecord({"One"}).AddRecord({"Two"}));
    ASSERT_EQ(engine.SetRecordNo(2), 1);
    OpenInOtherCopy(base);
    other.ClearRecord();
    other.WriteField(1, "Three");
    ASSERT_EQ(other.AddRecord(), 1);

    EXPECT_EQ(c.run(engine), c.result);
    EXPECT_EQ(Where(engine), std::to_string(c.current) + " " + c.name);
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(engine.SetRecordNo(3), c.sees3 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Engine, CountRefresh, testing::ValuesIn(kCountCases), CaseName<CountCase>);

// A value written is cut or padded to its field's length in the buffer, and read back
// without the spaces around it (only spaces); the file changes only with WriteRecord.
TEST_F(EngineTest, FieldValuesArePaddedCutAndTrimmed) {
    TestDb db;
    db.AddField("Code", 5).AddField("Rest", 3);
    const std::string base = Open(db.AddRecord({"x", "abc"}));
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"AB", " AB   abc", "AB"},    {"ABCDEFG", " ABCDEabc", "ABCDE"},
        {"  AB ", "   AB abc", "AB"}, {"\tA\r\n", " \tA\r\n abc", "\tA\r\n"},
        {"", "      abc", ""},
    };
    for (const auto& [written, buffer, read] : rows) {
        ASSERT_EQ(engine.WriteField(1, written), 1);
        EXPECT_EQ(engine.GetRecordBuffer(), buffer);
        EXPECT_EQ(Value(engine, 1), read);
    }
    EXPECT_EQ(StoredRecord(FileBytes(base), 1), " x    abc") << "WriteField never writes the file";
    ASSERT_EQ(engine.WriteRecord(), 1);
    EXPECT_EQ(StoredRecord(FileBytes(base), 1), "      abc");
}

TEST_F(EngineTest, DamagedFieldSlotsStayInsideTheRecord) {
    TestDb db;
    db.SetRecordLength(8);
    auto field = [](int offset, int length) {
        DBField f;
        f.Page = 1;
        f.Offset = static_cast<int16_t>(offset);
        f.Length = static_cast<int16_t>(length);
        return f;
    };
    db.SetField(1, field(6, 5));  // runs over the end
    db.SetField(2, field(20, 4)); // wholly outside
    db.SetField(3, field(-2, 4)); // starts before the record
    db.SetField(4, field(1, -3)); // negative length
    db.SetField(5, field(32000, 32000));
    const std::string base = Open(db.AddRawRecord(" 1234567"));

    std::vector<std::string> read;
    for (int n = 1; n <= 5; ++n)
        read.push_back(Value(engine, n));
    EXPECT_EQ(read, (std::vector<std::string>{"67", "", "1", "", ""}));
    engine.WriteField(1, "ABCDE");
    EXPECT_EQ(engine.GetRecordBuffer(), " 12345AB");
    engine.WriteField(3, "WXYZ"); // characters -2 and -1 fall outside; Y and Z land on 0 and 1
    EXPECT_EQ(engine.GetRecordBuffer(), "YZ2345AB");
    for (int n = 2; n <= 5; n += 2)
        EXPECT_EQ(engine.WriteField(n, "QQQQQQ"), 1);
    EXPECT_EQ(engine.GetRecordBuffer(), "YZ2345AB");
    EXPECT_TRUE(reporter.messages.empty());
}

// Records that the header counts but the file does not hold are no records: they are not
// read, walked or packed, and the open says how many the file holds. Records the file holds
// beyond the count (an append cut short) are not records either, and the open says so,
// unless another copy holds the lock: the record may be its append under way.
TEST_F(EngineTest, CountsBeyondTheFileAreHeldToIt) {
    struct Case {
        int32_t claimed;
        long count;                 // the count the engine uses
        bool fewer;                 // the open says the file holds fewer
        long beyond;                // the open says the file holds this many more
        long nextAdd;               // the number an append gets
        bool othersWriting = false; // another copy holds the lock while this one opens
    };
    for (const Case& c :
         {Case{3, 2, true, 0, 3}, Case{70000, 2, true, 0, 3}, Case{0x7FFFFFFF, 2, true, 0, 3},
          Case{1, 1, false, 1, 2}, Case{2, 2, false, 0, 3}, Case{1, 1, false, 0, 2, true}}) {
        SCOPED_TRACE(c.claimed);
        TestDb db = TwoFieldDb();
        const std::string base =
            Open(db.AddRecord({"One"}).AddDeletedRecord({"Two"}).SetRecordCount(c.claimed));
        EXPECT_EQ(engine.GetRecordCount(), c.count);
        EXPECT_EQ(engine.GotoLastRecord(), 1);
        EXPECT_EQ(engine.GetRecordNo(), c.count);
        EXPECT_EQ(engine.SetRecordNo(c.count + 1), 0);
        reporter.Clear();
        engine.CloseDatabase();

        std::unique_ptr<DbFile> writing;
        if (c.othersWriting) {
            writing = DbFile::Open(faults, base + ".Tbd");
            ASSERT_TRUE(writing && writing->TryLockByte0());
        }
        ASSERT_EQ(engine.OpenDatabase(FilePath(base)), 1);
        writing.reset();
        std::vector<RecordedMessage> said;
        if (c.fewer)
            said.push_back({"OPEN DATABASE",
                            "FILE:" + base + " holds " + std::to_string(c.count) +
                                " records, but its header counts " + std::to_string(c.claimed) +
                                ". Only the records the file holds are used.",
                            MsgIcon::Critical});
        if (c.beyond > 0)
            said.push_back({"OPEN DATABASE",
                            "FILE:" + base + " holds " + std::to_string(c.beyond) +
                                " records after those its header counts. They are not shown "
                                "or counted, and a pack would drop them.",
                            MsgIcon::Critical});
        EXPECT_EQ(reporter.messages, said);
        ASSERT_EQ(engine.AddRecord(), 1);
        EXPECT_EQ(engine.GetRecordNo(), c.nextAdd);
        EXPECT_EQ(LongAt(FileBytes(base), 0), c.nextAdd);
        reporter.AnswerNext(true);
        RecordingProgress progress;
        ASSERT_EQ(engine.PackRecords(progress), 1);
        EXPECT_EQ(engine.GetRecordCount(), 2) << "One and the appended record";
        EXPECT_EQ(FileBytes(base).size(), size_t(kHeaderSize) + 2 * 19);
        engine.CloseDatabase();
        reporter.Clear();
    }
}

TEST_F(EngineTest, WritesAndDeletesTouchOnlyTheCurrentRecord) {
    const std::string base =
        Open(TwoFieldDb().AddRecord({"One", "A"}).AddRecord({"Two", "B"}).AddRecord({"Three"}));
    const std::string before = FileBytes(base);
    engine.SetRecordNo(2);
    engine.WriteField(2, "ROME");
    ASSERT_EQ(engine.WriteRecord(), 1);
    ASSERT_EQ(engine.DeleteRecord(), 1);
    EXPECT_EQ(engine.IsDeleted(), -1);

    std::string expected = before; // record 2 rewritten and marked, nothing else
    expected.replace(23496 + 19, 19, "*Two       ROME    ");
    EXPECT_EQ(FileBytes(base), expected);
    engine.GotoFirstRecord();
    engine.GotoNextRecord();
    EXPECT_EQ(engine.GetRecordBuffer(), "*Two       ROME    ");
    ASSERT_EQ(engine.AddRecord(), 1) << "Duplicate: the buffer appended as a live record";
    EXPECT_EQ(StoredRecord(FileBytes(base), 4), " Two       ROME    ");
}

TEST_F(EngineTest, HeaderLookUps) {
    TestDb db = TwoFieldDb();
    db.AddField("Notes", 4, "M", 3).AddBanner("Hello", 2).AddBanner("There", 1);
    db.SetPageHeading(2, "  Address ").SetScript("  Sub Start\r\nEnd Sub  ").SetDateOrder(7);
    Open(db);

    EXPECT_EQ(std::tuple(engine.GetFieldCount(), engine.GetBannerCount(), engine.GetPageCount()),
              std::tuple(3, 2, 3));
    EXPECT_EQ(engine.GetPageHeading(2), "Address");
    EXPECT_EQ(engine.GetPageHeading(8), "");
    EXPECT_EQ(engine.GetScript(), "Sub Start\r\nEnd Sub");
    EXPECT_EQ(engine.GetDateOrder(), 1);

    DBField f;
    EXPECT_EQ(engine.GetFieldDef(3, f), 3);
    EXPECT_EQ(TrimSpaces(f.Name), "Notes");
    EXPECT_EQ(engine.GetFieldDef(4, f), 0) << "a free slot is no error";
    DBBanner b;
    EXPECT_EQ(engine.GetBannerDef(2, b), 2);
    EXPECT_EQ(TrimSpaces(b.Caption), "There");

    // Names are compared exactly.
    EXPECT_EQ(std::tuple(engine.FindField("City"), engine.FindField("city"), engine.FindField("")),
              std::tuple(2, 0, 0));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(EngineTest, DamagedFieldCountIsHeldToTheSlots) {
    for (int16_t count : {int16_t(300), int16_t(-5)}) {
        SCOPED_TRACE(count);
        TestDb db = TwoFieldDb();
        db.MutableHeader().FieldCount = count;
        Open(db, "Count" + std::to_string(count));
        EXPECT_EQ(engine.GetFieldCount(), count > 0 ? 128 : 0);
        EXPECT_EQ(engine.FindField("City"), count > 0 ? 2 : 0);
        engine.CloseDatabase();
    }
}

} // namespace
