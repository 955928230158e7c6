// tabulo-cli check: each planted problem is found and named, a sound file passes, and the
// file is never changed.

#include "CliFixture.h"
#include "NamedCase.h"
#include "engine/DbFile.h"
#include "engine/PosixFileSystem.h"

#include <filesystem>

namespace tabulo::cli {
namespace {

// Fields A (characters 1-4) and B (5-7), three records of 8 bytes, the second deleted.
test::TestDb Sound() {
    test::TestDb db;
    db.AddField("A", 4, "A").AddField("B", 3, "N");
    db.AddRecord({"ab", "1"}).AddDeletedRecord({"cd", "2"}).AddRecord({"ef", "3"});
    return db;
}

constexpr size_t kRecords = 23496; // offset of record 1

struct Planted {
    const char* what;
    void (*plant)(std::string& bytes, test::TestDb& db);
    std::vector<std::string> problems; // the whole lines after "Damaged.Tbd: ", in order
};

// The file's header replaced by the builder's, its records kept as they are.
void Rehead(std::string& bytes, const test::TestDb& db) {
    bytes.replace(0, kRecords, EncodeHeader(db.Header()));
}

DBField FieldAt(int offset, int length, const char* name) {
    DBField f;
    f.Page = 1;
    f.Offset = static_cast<int16_t>(offset);
    f.Length = static_cast<int16_t>(length);
    f.Name = FixedString(name, 32);
    return f;
}

const Planted kPlanted[] = {
    {"a torn last record",
     [](std::string& b, test::TestDb&) { b.resize(b.size() - 3); },
     {"the header counts 3 records, the file holds 2",
      "record 3 is cut short: 5 of 8 bytes, at offset 23512"}},
    {"extra bytes after the last record",
     [](std::string& b, test::TestDb&) { b += "xyz"; },
     {"3 bytes after the last record, from offset 23520"}},
    {"records after those counted",
     [](std::string& b, test::TestDb&) {
         test::PutLong(b, 0, 1);
         b += "xyz";
     },
     {"records 2 to 3 follow those the header counts: they are not shown, and a pack drops them",
      "3 bytes after the last record, from offset 23520"}},
    {"records counted that are missing",
     [](std::string& b, test::TestDb&) { test::PutLong(b, 0, 5); },
     {"the header counts 5 records, the file holds 3"}},
    {"a wrong mark",
     [](std::string& b, test::TestDb&) { b[kRecords + 8] = '#'; },
     {"record 2 at offset 23504: mark \"#\" is neither \" \" nor \"*\""}},
    {"a record count out of range",
     [](std::string& b, test::TestDb&) { test::PutLong(b, 0, 70000); },
     {"header: record count 70000 is outside 0 to 65530",
      "the header counts 70000 records, the file holds 3"}},
    {"a record length of 0",
     [](std::string& b, test::TestDb&) { test::PutLong(b, 4, 0); },
     {"header: record length 0 is outside 1 to 16777216; the records cannot be read",
      "field 1 (A): characters 1 to 4 reach outside the record of 0 bytes",
      "field 2 (B): characters 5 to 7 reach outside the record of 0 bytes"}},
    {"a field count beyond 128",
     [](std::string& b, test::TestDb&) { test::PutInteger(b, 70, 300); },
     {"header: field count 300 is outside 0 to 128"}},
    {"a window without a size",
     [](std::string& b, test::TestDb&) { test::PutInteger(b, 8, 0); },
     {"header: window size 0 x 7200 twips is not a size"}},
    {"overlapping fields",
     [](std::string& b, test::TestDb& db) {
         db.SetField(2, FieldAt(3, 3, "B"));
         Rehead(b, db);
     },
     {"field 2 (B): characters 3 to 5 overlap field 1 (A), characters 1 to 4"}},
    {"a field whose first character is the last of another",
     [](std::string& b, test::TestDb& db) {
         db.SetField(2, FieldAt(4, 3, "B"));
         Rehead(b, db);
     },
     {"field 2 (B): characters 4 to 6 overlap field 1 (A), characters 1 to 4"}},
    {"a field whose last character is the first of another",
     [](std::string& b, test::TestDb& db) {
         db.SetField(1, FieldAt(3, 4, "A")).SetField(2, FieldAt(1, 3, "B"));
         Rehead(b, db);
     },
     {"field 2 (B): characters 1 to 3 overlap field 1 (A), characters 3 to 6"}},
    {"a field over the mark",
     [](std::string& b, test::TestDb& db) {
         db.SetField(1, FieldAt(0, 2, "A"));
         Rehead(b, db);
     },
     {"field 1 (A): covers character 0, the deletion mark"}},
    {"a field on page 9",
     [](std::string& b, test::TestDb&) { b[12360 + 53] = 9; },
     {"field 2 (B): page 9 is outside 1 to 8"}},
    {"names scripts cannot find",
     [](std::string& b, test::TestDb& db) {
         db.SetField(1, FieldAt(1, 4, "First Name")).SetField(2, FieldAt(5, 3, "First Name"));
         Rehead(b, db);
     },
     {"field 1 (First Name): not a valid field name, so scripts cannot find it",
      "field 2 (First Name): not a valid field name, so scripts cannot find it",
      "field 2 (First Name): the name of field 1 too"}},
    {"a field of length 0",
     [](std::string& b, test::TestDb& db) {
         db.SetField(2, FieldAt(5, 0, "B"));
         Rehead(b, db);
     },
     {"field 2 (B): length 0 is below 1"}},
    {"a banner after a free slot",
     [](std::string& b, test::TestDb& db) {
         db.AddBanner("One").AddBanner("Two").AddBanner("Three");
         Rehead(b, db);
         b[72 + 96] = 0; // slot 2 freed: the window shows slots 1 and 2 only
     },
     {"banner 3 \"Three\": never shown, because a slot before it is free"}},
};

class Check : public CliTest, public testing::WithParamInterface<Planted> {};

TEST_P(Check, FindsThePlantedProblem) {
    test::TestDb db = Sound();
    std::string bytes = db.Bytes();
    GetParam().plant(bytes, db);
    test::WriteFileBytes(File("Damaged.Tbd"), bytes);

    const test::CliResult r = Cli({"check", "Damaged"});

    std::string expected;
    for (const std::string& problem : GetParam().problems)
        expected += "Damaged.Tbd: " + problem + "\n";
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Bytes("Damaged.Tbd"), bytes); // nothing changed
}

INSTANTIATE_TEST_SUITE_P(Cli, Check, testing::ValuesIn(kPlanted), test::CaseName<Planted>);

class CheckFile : public CliTest {};

// Fields that touch without sharing a character, in either order in the record.
TEST_F(CheckFile, AdjacentFieldsPass) {
    const std::pair<DBField, DBField> layouts[] = {
        {FieldAt(1, 4, "A"), FieldAt(5, 3, "B")},
        {FieldAt(4, 4, "A"), FieldAt(1, 3, "B")},
    };
    for (const auto& [a, b] : layouts) {
        test::TestDb db = Sound();
        std::string bytes = db.Bytes();
        db.SetField(1, a).SetField(2, b);
        Rehead(bytes, db);
        test::WriteFileBytes(File("Adjacent.Tbd"), bytes);
        const test::CliResult r = Cli({"check", "Adjacent"});
        EXPECT_EQ(r.out, "Adjacent.Tbd: no problems found (3 records)\n") << a.Offset;
        EXPECT_EQ(r.status, 0);
    }
}

TEST_F(CheckFile, SoundFilesPass) {
    Write(Sound(), "Sound");
    const test::CliResult r = Cli({"check", "Sound.tbd"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Sound.Tbd: no problems found (3 records)\n");
    for (const char* sample : {"Contacts", "Cities"}) {
        MakeSample(sample);
        EXPECT_EQ(Cli({"check", sample}).status, 0) << sample;
    }
}

TEST_F(CheckFile, ManyWrongMarksAreCountedAfterTheFirstTwenty) {
    test::TestDb db;
    db.AddField("A", 1);
    for (int i = 0; i < 25; ++i)
        db.AddRawRecord("xA");
    Write(db, "Marks");
    const test::CliResult r = Cli({"check", "Marks"});
    EXPECT_EQ(Occurrences(r.out, "is neither"), 20);
    EXPECT_NE(r.out.find("Marks.Tbd: 5 more records with a wrong mark\n"), std::string::npos);
}

// What a pack leaves is judged by the files, never by their times: a finished pack leaves
// none of its own, one cut short leaves its files, and those of a pack that runs (it holds
// the database's lock) are no problem.
TEST_F(CheckFile, PackFilesTellAFinishedPackFromOneCutShort) {
    Write(Sound(), "Stock");
    ASSERT_EQ(Cli({"pack", "Stock", "--yes"}).status, 0);
    test::CliResult r = Cli({"check", "Stock"});
    EXPECT_EQ(r.out, "Stock.Tbd: no problems found (2 records)\n");
    EXPECT_EQ(r.status, 0);

    test::WriteFileBytes(File("Stock.TbB"), "partial");
    r = Cli({"check", "Stock"});
    EXPECT_EQ(r.out, "Stock.Tbd: Stock.TbB is left over from a pack that did not finish\n");
    EXPECT_EQ(r.status, 1);

    auto packing = DbFile::Open(MachineFileSystem(), File("Stock.Tbd"));
    ASSERT_TRUE(packing && packing->TryLockByte0());
    r = Cli({"check", "Stock"});
    EXPECT_EQ(r.out, "Stock.Tbd: a pack is running\nStock.Tbd: no problems found (2 records)\n");
    EXPECT_EQ(r.status, 0);
}

TEST_F(CheckFile, ADatabaseLeftUnderItsPackNames) {
    test::WriteFileBytes(File("Stock.TbO"), Sound().Bytes());
    const test::CliResult r = Cli({"check", "Stock"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tabulo-cli: Stock.Tbd: no such database\n");
    EXPECT_EQ(r.out, "Stock.Tbd: Stock.TbO is left over from a pack that did not finish\n");
}

} // namespace
} // namespace tabulo::cli
