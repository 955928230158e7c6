// The commands that read a database and change nothing. check: each planted problem is
// found and named, a sound file passes (with warnings of input codes that work against each
// other), what a pack leaves is told apart. info: the header in words, on the sample and on
// the same damaged files as check; and the words themselves (input codes, procedure names,
// colours, quoted text).

#include "CliFixture.h"
#include "InfoText.h"
#include "NamedCase.h"
#include "engine/DbFile.h"
#include "engine/PosixFileSystem.h"

#include <algorithm>

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

DBField FieldAt(int16_t offset, int16_t length, const char* name, const char* format = "") {
    return {.Page = 1,
            .Length = length,
            .Name = FixedString(name, 32),
            .Format = FixedString(format, 8),
            .Offset = offset};
}

struct Planted {
    const char* what;
    std::vector<std::pair<int, DBField>> fields = {}; // slots laid out anew in the header
    void (*plant)(std::string& bytes, test::TestDb& db) = nullptr;
    std::vector<std::string> lines = {}; // check's whole output, each line after "Db.TBD: "
    int status = 1;                      // check's
    std::string info = "";               // a part of what info says, on output or error
};

const Planted kPlanted[] = {
    {.what = "a sound file, its fields adjacent",
     .lines = {"no problems found (3 records)"},
     .status = 0,
     .info = "Records      3 of 8 bytes, 1 marked deleted\n"},
    {.what = "a header cut short",
     .plant = [](std::string& b, test::TestDb&) { b.resize(1000); },
     .info = "tabulo-cli: Db.TBD: 1000 bytes, shorter than the 23496-byte header: not a "
             "database\n"},
    {.what = "a torn last record",
     .plant = [](std::string& b, test::TestDb&) { b.resize(b.size() - 3); },
     .lines = {"the header counts 3 records, the file holds 2",
               "record 3 is cut short: 5 of 8 bytes, at offset 23512"}},
    {.what = "extra bytes after the last record",
     .plant = [](std::string& b, test::TestDb&) { b += "xyz"; },
     .lines = {"3 bytes after the last record, from offset 23520"}},
    {.what = "records after those counted",
     .plant = [](std::string& b, test::TestDb&) { test::PutLong(b, 0, 1), b += "xyz"; },
     .lines = {"records 2 to 3 follow those the header counts: they are not shown, and a pack "
               "drops them",
               "3 bytes after the last record, from offset 23520"}},
    {.what = "records counted that are missing",
     .plant = [](std::string& b, test::TestDb&) { test::PutLong(b, 0, 5); },
     .lines = {"the header counts 5 records, the file holds 3"},
     .info = "Records      3 of 8 bytes, 1 marked deleted\n             the header counts 5, "
             "the file holds 3\n"},
    {.what = "a negative record count",
     .plant = [](std::string& b, test::TestDb&) { test::PutLong(b, 0, uint32_t(-3)); },
     .lines = {"header: record count -3 is outside 0 to 65530",
               "records 1 to 3 follow those the header counts: they are not shown, and a pack "
               "drops them"},
     .info = "Records      0 of 8 bytes, 0 marked deleted\n             the header counts -3, "
             "the file holds 3\n"},
    {.what = "a wrong mark",
     .plant = [](std::string& b, test::TestDb&) { b[kRecords + 8] = '#'; },
     .lines = {"record 2 at offset 23504: mark \"#\" is neither \" \" nor \"*\""}},
    {.what = "a record count out of range",
     .plant = [](std::string& b, test::TestDb&) { test::PutLong(b, 0, 70000); },
     .lines = {"header: record count 70000 is outside 0 to 65530",
               "the header counts 70000 records, the file holds 3"}},
    {.what = "a record length of 0",
     .plant = [](std::string& b, test::TestDb&) { test::PutLong(b, 4, 0); },
     .lines = {"header: record length 0 is outside 1 to 16777216; the records cannot be read",
               "field 1 (A): characters 1 to 4 reach outside the record of 0 bytes",
               "field 2 (B): characters 5 to 7 reach outside the record of 0 bytes"},
     .info = "Records      3, unreadable: record length 0\n"},
    {.what = "a field count beyond 128",
     .plant = [](std::string& b, test::TestDb&) { test::PutInteger(b, 70, 300); },
     .lines = {"header: field count 300 is outside 0 to 128"},
     .info = "Fields       300\n"},
    {.what = "a window without a size",
     .plant = [](std::string& b, test::TestDb&) { test::PutInteger(b, 8, 0); },
     .lines = {"header: window size 0 x 7200 twips is not a size"}},
    {.what = "overlapping fields",
     .fields = {{2, FieldAt(3, 3, "B")}},
     .lines = {"field 2 (B): characters 3 to 5 overlap field 1 (A), characters 1 to 4"}},
    {.what = "a field whose first character is the last of another",
     .fields = {{2, FieldAt(4, 3, "B")}},
     .lines = {"field 2 (B): characters 4 to 6 overlap field 1 (A), characters 1 to 4"}},
    {.what = "a field whose last character is the first of another",
     .fields = {{1, FieldAt(3, 4, "A")}, {2, FieldAt(1, 3, "B")}},
     .lines = {"field 2 (B): characters 1 to 3 overlap field 1 (A), characters 3 to 6"}},
    {.what = "adjacent fields in the other order",
     .fields = {{1, FieldAt(4, 4, "A")}, {2, FieldAt(1, 3, "B")}},
     .lines = {"no problems found (3 records)"},
     .status = 0},
    {.what = "a field over the mark",
     .fields = {{1, FieldAt(0, 2, "A")}},
     .lines = {"field 1 (A): covers character 0, the deletion mark"}},
    {.what = "a field on page 9",
     .plant = [](std::string& b, test::TestDb&) { b[12360 + 53] = 9; },
     .lines = {"field 2 (B): page 9 is outside 1 to 8"}},
    {.what = "names scripts cannot find",
     .fields = {{1, FieldAt(1, 4, "First Name")}, {2, FieldAt(5, 3, "First Name")}},
     .lines = {"field 1 (First Name): not a valid field name, so scripts cannot find it",
               "field 2 (First Name): not a valid field name, so scripts cannot find it",
               "field 2 (First Name): the name of field 1 too"}},
    {.what = "a field of length 0",
     .fields = {{2, FieldAt(5, 0, "B")}},
     .lines = {"field 2 (B): length 0 is below 1"}},
    {.what = "a banner after a free slot",
     .plant =
         [](std::string& b, test::TestDb& db) {
             db.AddBanner("One").AddBanner("Two").AddBanner("Three");
             b.replace(0, kRecords, EncodeHeader(db.Header()));
             b[72 + 96] = 0; // slot 2 freed: the window shows slots 1 and 2 only
         },
     .lines = {"banner 3 \"Three\": never shown, because a slot before it is free"}},
    {.what = "input codes that work against each other",
     .fields = {{1, FieldAt(1, 4, "A", "AUL")}, {2, FieldAt(5, 3, "B", "DT!")}},
     .lines = {"warning: field 1 (A), input codes \"AUL\": lower case comes after upper case "
               "and undoes it",
               "warning: field 2 (B), input codes \"DT!\": only the first of e-mail, web, "
               "yes/no, date and time decides the keys; no value is both a date and a time",
               "no problems found (3 records)"},
     .status = 0},
};

class Damage : public CliTest, public testing::WithParamInterface<Planted> {};

TEST_P(Damage, CheckNamesItAndInfoSaysWhatItCanRead) {
    test::TestDb db = Sound();
    std::string bytes = db.Bytes();
    for (const auto& [slot, field] : GetParam().fields)
        db.SetField(slot, field);
    bytes.replace(0, kRecords, EncodeHeader(db.Header())); // the records kept as they are
    if (GetParam().plant) GetParam().plant(bytes, db);
    test::WriteFileBytes(File("Db.TBD"), bytes); // found under its extension in any case

    const test::CliResult r = Cli({"check", "Db"});
    std::string expected;
    for (const std::string& line : GetParam().lines)
        expected += "Db.TBD: " + line + "\n";
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.status, GetParam().status);

    const test::CliResult info = Cli({"info", "Db"});
    EXPECT_EQ(info.status, bytes.size() < kRecords ? 1 : 0) << "fails only without a header";
    EXPECT_NE((info.out + info.err).find(GetParam().info), std::string::npos)
        << info.out << info.err;
    EXPECT_EQ(Bytes("Db.TBD"), bytes); // nothing changed
}

INSTANTIATE_TEST_SUITE_P(Cli, Damage, testing::ValuesIn(kPlanted), test::CaseName<Planted>);

class CheckInfo : public CliTest {};

TEST_F(CheckInfo, ManyWrongMarksAreCountedAfterTheFirstTwenty) {
    test::TestDb db;
    db.AddField("A", 1);
    for (int i = 0; i < 25; ++i)
        db.AddRawRecord("xA");
    Write(db, "Marks");
    const test::CliResult r = Cli({"check", "Marks"});
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 21) << r.out; // 20 records named
    EXPECT_TRUE(r.out.ends_with("Marks.Tbd: 5 more records with a wrong mark\n")) << r.out;
}

// What a pack leaves is judged by the files, never by their times: a finished pack leaves
// none of its own, one cut short leaves its files, and those of a pack that runs (it holds
// the database's lock) are no problem.
TEST_F(CheckInfo, PackFilesTellAFinishedPackFromOneCutShort) {
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

    // A database left only under a pack's name.
    test::WriteFileBytes(File("Lost.TbO"), Sound().Bytes());
    r = Cli({"check", "Lost"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tabulo-cli: Lost.Tbd: no such database\n");
    EXPECT_EQ(r.out, "Lost.Tbd: Lost.TbO is left over from a pack that did not finish\n");
}

// The shipped samples pass check; info describes the contacts sample.
TEST_F(CheckInfo, SamplesPassAndContactsIsDescribed) {
    for (const char* sample : {"Contacts", "Cities", "Inventory", "Books"}) {
        MakeSample(sample);
        EXPECT_EQ(Cli({"check", sample}).status, 0) << sample;
    }
    const test::CliResult r = Cli({"info", "Contacts"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    for (const char* line : {
             "Records      12 of 709 bytes, 1 marked deleted\n",
             "Window       9600 x 7200 twips (640 x 480 pixels), background #F4F6FA\n",
             "Date order   DD/MM/YYYY (1)\n",
             "Orientation  portrait (1)\n",
             "Pages        3\n     1  \"Person\"\n     2  \"Address\"\n     3  \"Notes\"\n",
             "     3  LASTNAME                            1     32     30  \"AS-F!\" letters, "
             "space, minus, first capitals, required\n",
             "Banners      31\n",
             "; procedures Start, Update, FindCity, CalledToday\n",
         })
        EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
    EXPECT_EQ(r.out.find("  | Sub Start"), std::string::npos); // the text only with --script
    EXPECT_NE(Cli({"info", "Contacts.TBD", "--script"}).out.find("  | Sub Start\n"),
              std::string::npos);
}

// What the sample does not show: a blank format, a character without a meaning, a colour
// that is no RGB value, escapes, and lines that only look like declarations.
TEST(InfoText, HeaderMembersInWords) {
    EXPECT_EQ(CodeWords("   "), "no input");
    EXPECT_EQ(CodeWords("Aq<"), "letters, \"q\" (no meaning), left-aligned");
    EXPECT_EQ(ColourText(-2147483643), "-2147483643");
    EXPECT_EQ(QuotedText("a\"b\\\r\n\x01\xE9"), "\"a\\\"b\\\\\\r\\n\\x01\u00E9\"");
    const std::pair<const char*, std::vector<std::string>> scripts[] = {
        {"Sub Start\r\nEnd Sub\r\n\r\nSub Update\r\nEnd Sub", {"Start", "Update"}},
        {"  private function Total(a, b)\r\n  Exit Function\r\nEnd Function", {"Total"}},
        {"Public Sub Go()\nEnd Sub\n' Sub Commented\nDim Sub_", {"Go"}},
        {"x = 1\r\nSub\r\n", {}},
    };
    for (const auto& [script, names] : scripts)
        EXPECT_EQ(ProcedureNames(script), names) << script;
}

} // namespace
} // namespace tabulo::cli
