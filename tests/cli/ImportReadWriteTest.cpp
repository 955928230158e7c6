// tabulo-cli import beside its own tests (ImportTest): what it reads, and where its rows go.
// The RFC 4180 reader: values, quoting, line ends of every kind, the line each record starts
// on, and malformed records that do not stop the reading. Values entered as if typed, one
// key after another through the field's key filter (whose codes are tested key by key with
// the editor): the refusal in words, line breaks as the Enter key, control characters, a cut
// that never splits CR LF, and the codes that take no keys. The database stopping being the
// file the import opened: the rows that come after the change go to the file now at the
// path, or the import stops with the reason, and none goes into the old file; the rows come
// through a pipe, so that the change falls between two rows for certain.

#include "ChildProcess.h"
#include "CliFixture.h"
#include "CsvReader.h"
#include "NamedCase.h"
#include "ReplacedFile.h"
#include "TypedValue.h"
#include "engine/DbAccess.h"

#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <tuple>

namespace tabulo::cli {
namespace {

struct ReadCase {
    const char* what;
    std::string text;
    std::vector<CsvRecord> records;
};

const ReadCase kReadCases[] = {
    {"plain values with CR LF", "a,b\r\nc,d\r\n", {{1, {"a", "b"}, ""}, {2, {"c", "d"}, ""}}},
    {"LF and lone CR line ends", "a\nb\rc", {{1, {"a"}, ""}, {2, {"b"}, ""}, {3, {"c"}, ""}}},
    {"empty values", ",,\r\n", {{1, {"", "", ""}, ""}}},
    {"empty lines are skipped", "\r\na\r\n\r\n\r\nb\r\n", {{2, {"a"}, ""}, {5, {"b"}, ""}}},
    {"quoted commas, quotes and line breaks",
     "\"a,b\",\"say \"\"hi\"\"\",\"one\r\ntwo\"\r\nnext\r\n",
     {{1, {"a,b", "say \"hi\"", "one\r\ntwo"}, ""}, {3, {"next"}, ""}}},
    {"an empty quoted value", "\"\",x\r\n", {{1, {"", "x"}, ""}}},
    {"bytes above 127 pass through", "\xE9,\xC3\xA9\r\n", {{1, {"\xE9", "\xC3\xA9"}, ""}}},
    {"a quote inside a plain value",
     "ab\"c,d\r\nok\r\n",
     {{1, {"ab"}, "a quote inside a value that does not begin with one"}, {2, {"ok"}, ""}}},
    {"text after a closing quote",
     "\"ab\"c,d\r\nok\r\n",
     {{1, {"ab"}, "text after the closing quote of a value"}, {2, {"ok"}, ""}}},
    {"a quoted value that never ends",
     "a\r\n\"b\r\nc",
     {{1, {"a"}, ""}, {2, {"b\r\nc"}, "the quoted value begun on line 2 never ends"}}},
    {"no line end after the last record", "a,b", {{1, {"a", "b"}, ""}}},
};

class CsvReading : public testing::TestWithParam<ReadCase> {};

// A record as one value: its line, its values and its problem.
using Record = std::tuple<long, std::vector<std::string>, std::string>;

TEST_P(CsvReading, GivesRecordsWithTheirLines) {
    std::istringstream in(GetParam().text);
    CsvReader reader(in);
    std::vector<Record> got, expected;
    for (CsvRecord r; reader.Next(r);)
        got.emplace_back(r.line, r.values, r.problem);
    for (const CsvRecord& r : GetParam().records)
        expected.emplace_back(r.line, r.values, r.problem);
    EXPECT_EQ(got, expected);
}

INSTANTIATE_TEST_SUITE_P(Cli, CsvReading, testing::ValuesIn(kReadCases), test::CaseName<ReadCase>);

struct TypedCase {
    const char* what;
    const char* format;
    int length;
    std::string value;
    std::string text;    // the field's text afterwards
    std::string problem; // the refusal; empty when taken
    bool cut;
};

const TypedCase kTypedCases[] = {
    {"a digit in a letters field", "A", 10, "Ann2", "",
     "\"2\" is not accepted by the field's codes \"A\"", false},
    {"any character, line breaks as CR LF", "*M", 20, "a\nb\r\nc\rd", "a\r\nb\r\nc\r\nd", "",
     false},
    {"a line break in one line", "*", 20, "a\nb", "",
     "a line break is not accepted in a field of one line", false},
    {"a tab", "*", 20, "a\tb", "", "the control character \"\\x09\" cannot be typed", false},
    {"cut never between CR and LF", "*M", 3, "ab\r\ncd", "ab", "", true},
    {"read-only fields keep the value as given", "=", 6, "x,y!\n", "x,y!\r\n", "", false},
    {"fields without codes keep the value as given", "", 4, "1-2", "1-2", "", false},
};

class Typing : public testing::TestWithParam<TypedCase> {};

TEST_P(Typing, AsAPersonWouldType) {
    const TypedCase& c = GetParam();
    const TypedValue typed = TypeIntoField({c.format, c.length, 1}, c.value);
    EXPECT_EQ(typed.text, c.text);
    EXPECT_EQ(typed.problem, c.problem);
    EXPECT_EQ(typed.cut, c.cut);
}

INSTANTIATE_TEST_SUITE_P(Cli, Typing, testing::ValuesIn(kTypedCases), test::CaseName<TypedCase>);

test::TestDb Names() {
    test::TestDb db;
    db.AddField("NAME", 8, "A").AddRecord({"kept"}).AddDeletedRecord({"gone"});
    return db;
}

class ImportReplaced : public CliTest, public testing::WithParamInterface<test::ReplacedCase> {};

TEST_P(ImportReplaced, RowsGoToTheFileAtThePathOrTheImportStops) {
    const test::ReplacedCase& c = GetParam();
    Write(Names(), "Db");
    ASSERT_EQ(mkfifo(File("rows.csv").c_str(), 0600), 0);
    const std::string said = File("said.txt");
    const pid_t import = test::Spawn([&] {
        const test::CliResult r = Cli({"import", "Db", "rows.csv"});
        test::WriteFileBytes(said, r.out + r.err);
        return r.status;
    });
    std::ofstream rows(File("rows.csv")); // open once the import reads it
    rows << "NAME\nfirst\n" << std::flush;
    test::Await([&] { return test::LongAt(Bytes("Db.Tbd"), 0) == 3 || test::HasEnded(import); });
    test::ReplaceDatabase(File("Db"), c.how, Names());
    const std::string replaced = Bytes("Db.Tbd");
    rows << "second\n";
    rows.close();

    const int status = test::ExitStatus(import);
    const std::string output = test::ReadFileBytes(said);
    if (*c.oldFileExtension) {
        EXPECT_EQ(Bytes(std::string("Db") + c.oldFileExtension),
                  Names().AddRecord({"first"}).Bytes())
            << "the old file gets nothing after the change";
    }
    if (c.sameForm) {
        EXPECT_EQ(status, 0) << output;
        EXPECT_EQ(output, "appended 2 records to Db.Tbd\n");
        test::TestDb packed;
        packed.AddField("NAME", 8, "A").AddRecord({"kept"}).AddRecord({"first"});
        EXPECT_EQ(Bytes("Db.Tbd"), packed.AddRecord({"second"}).Bytes());
    } else {
        EXPECT_EQ(status, 1);
        EXPECT_EQ(output, "appended 1 records to Db.Tbd\ntabulo-cli: Db: AddRecord: " +
                              std::string(kFormChanged) +
                              "\ntabulo-cli: rows.csv: stopped: the database took no more "
                              "records\n");
        EXPECT_EQ(Bytes("Db.Tbd"), replaced);
    }
}

INSTANTIATE_TEST_SUITE_P(EachWay, ImportReplaced, testing::ValuesIn(test::kReplacedCases),
                         test::CaseName<test::ReplacedCase>);

} // namespace
} // namespace tabulo::cli
