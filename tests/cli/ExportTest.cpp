// tabulo-cli export: every format's bytes on values with commas, quotes, line breaks and
// characters above 127 (the tabulo format's lines come from the engine's writer, as the
// Export window's do) and refusals with their statuses, never changing the database; the
// SQLite output read back through the SQLite library.

#include "CliFixture.h"
#include "NamedCase.h"

#include <sqlite3.h>

namespace tabulo::cli {
namespace {

// NAME (*), NOTE (*M), CITY (A); record 2 is marked deleted.
test::TestDb Tricky() {
    test::TestDb db;
    db.AddField("NAME", 10, "*").AddField("NOTE", 20, "*M").AddField("CITY", 8, "A");
    db.AddRecord({"Ann, Jr", "say \"hi\"", "Z\xFCrich"});
    db.AddDeletedRecord({" Bob ", "one\r\ntwo", ""});
    db.AddRecord({"", "", "Rome"});
    return db;
}

struct ExportCase {
    const char* what;
    std::vector<std::string> options;
    std::string out; // standard output, byte for byte
    int status = 0;
    std::string err = ""; // standard error as ExpectSaid compares it, whole after a success
    void (*change)(test::TestDb&) = nullptr; // made to the database first
};

// clang-format off
const ExportCase kExports[] = {
    {"csv by default", {},
     "recno,deleted,NAME,NOTE,CITY\r\n"
     "1,0,\"Ann, Jr\",\"say \"\"hi\"\"\",Z\xC3\xBCrich\r\n"
     "2,1,Bob,\"one\r\ntwo\",\r\n"
     "3,0,,,Rome\r\n"},
    {"csv in the file's code page with chosen fields in their given order",
     {"--encoding", "cp1252", "--fields", "CITY,NAME"},
     "recno,deleted,CITY,NAME\r\n1,0,Z\xFCrich,\"Ann, Jr\"\r\n2,1,,Bob\r\n3,0,Rome,\r\n"},
    {"csv of live records only", {"--live-only", "--fields", "NAME"},
     "recno,deleted,NAME\r\n1,0,\"Ann, Jr\"\r\n3,0,\r\n"},
    {"tabulo", {"--format", "tabulo"},
     "#,NAME,NOTE,CITY\r\n"
     "1,\"Ann, Jr\",\"say \"hi\"\",\"Z\xFCrich\"\r\n"
     "2,\"Bob\",\"one\ntwo\",\"\"\r\n"
     "3,\"\",\"\",\"Rome\"\r\n"},
    {"tabulo keeps field-number order",
     {"--format", "tabulo", "--fields", "CITY,NAME", "--encoding", "utf-8"},
     "#,NAME,CITY\r\n1,\"Ann, Jr\",\"Z\xC3\xBCrich\"\r\n2,\"Bob\",\"\"\r\n3,\"\",\"Rome\"\r\n"},
    {"tabulo without fields", {"--format", "tabulo", "--fields", ""}, "#\r\n1\r\n2\r\n3\r\n"},
    {"json lines", {"--format", "jsonl", "--fields", "NAME,NOTE,CITY"},
     "{\"recno\":1,\"deleted\":false,\"NAME\":\"Ann, Jr\",\"NOTE\":\"say \\\"hi\\\"\","
     "\"CITY\":\"Z\xC3\xBCrich\"}\n"
     "{\"recno\":2,\"deleted\":true,\"NAME\":\"Bob\",\"NOTE\":\"one\\r\\ntwo\",\"CITY\":\"\"}\n"
     "{\"recno\":3,\"deleted\":false,\"NAME\":\"\",\"NOTE\":\"\",\"CITY\":\"Rome\"}\n"},
    {"the records the file holds, and a word on those missing", {"--fields", "CITY"},
     "recno,deleted,CITY\r\n1,0,Z\xC3\xBCrich\r\n2,1,\r\n3,0,Rome\r\n", 0,
     "tabulo-cli: Tricky.Tbd: the header counts 5 records, the file holds 3; exporting 3\n",
     [](test::TestDb& db) { db.SetRecordCount(5); }},
    {"an empty database gives the header line only", {"--format", "tabulo"}, "#,NAME\r\n", 0, "",
     [](test::TestDb& db) { db = test::TestDb(), db.AddField("NAME", 5); }},
    // Refusals, with their statuses.
    {"an unknown field", {"--fields", "NAME,Nope"}, "", 2,
     "tabulo-cli: Tricky.Tbd: no field named Nope\n"},
    {"sqlite to standard output", {"--format", "sqlite"}, "", 2, "needs an output file (-o FILE)"},
    {"json lines in the code page", {"--format", "jsonl", "--encoding", "cp1252"}, "", 2,
     "always UTF-8"},
    {"an unwritable output", {"-o", "no/such/folder/x.csv"}, "", 1,
     "no/such/folder/x.csv: cannot create the file: No such file or directory"},
    {"the database itself as the output", {"-o", "Tricky.Tbd"}, "", 2,
     "Tricky.Tbd: that is the database itself"},
    {"sqlite column names that differ only in case",
     {"--format", "sqlite", "-o", "t.db", "--fields", "NAME,Name"}, "", 1,
     "the column Name is there already", [](test::TestDb& db) { db.AddField("Name", 3); }},
};
// clang-format on

class ExportCases : public CliTest, public testing::WithParamInterface<ExportCase> {};

TEST_P(ExportCases, WritesTheFormatsBytesOrSaysWhyNot) {
    test::TestDb db = Tricky();
    if (GetParam().change) GetParam().change(db);
    Write(db, "Tricky");
    const std::string before = Bytes("Tricky.Tbd");
    const test::CliResult r = Cli({"export", "Tricky"}, GetParam().options);
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    EXPECT_EQ(r.out, GetParam().out);
    ExpectSaid(r.err, GetParam().err, GetParam().status == 0);
    EXPECT_EQ(Bytes("Tricky.Tbd"), before);
}

INSTANTIATE_TEST_SUITE_P(Cli, ExportCases, testing::ValuesIn(kExports), test::CaseName<ExportCase>);

class Export : public CliTest {};

TEST_F(Export, SqliteReadBackThroughTheLibrary) {
    Write(Tricky(), "Tricky");
    const test::CliResult r = Cli({"export", "Tricky", "--format", "sqlite", "-o", "t.db"});
    ASSERT_EQ(r.status, 0) << r.err;

    sqlite3* sql = nullptr;
    ASSERT_EQ(sqlite3_open_v2(File("t.db").c_str(), &sql, SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
    char** cells = nullptr; // the column's name, then one cell a row
    int rows = 0, columns = 0;
    EXPECT_EQ(sqlite3_get_table(sql,
                                "SELECT recno || '|' || deleted || '|' || NAME || '|' || NOTE || "
                                "'|' || CITY FROM \"Tricky\" ORDER BY recno",
                                &cells, &rows, &columns, nullptr),
              SQLITE_OK);
    std::vector<std::string> got;
    for (int row = 1; row <= rows; ++row)
        got.push_back(cells[row] ? cells[row] : "NULL");
    sqlite3_free_table(cells);
    sqlite3_close(sql);
    EXPECT_EQ(got, (std::vector<std::string>{"1|0|Ann, Jr|say \"hi\"|Z\xC3\xBCrich",
                                             "2|1|Bob|one\r\ntwo|", "3|0|||Rome"}));

    const test::CliResult again = Cli({"export", "Tricky", "--format", "sqlite", "-o", "t.db"});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, "tabulo-cli: t.db: CREATE: table \"Tricky\" already exists\n");
}

} // namespace
} // namespace tabulo::cli
