// tabulo-cli import: values typed into their fields, records checked as Update checks them,
// refused rows named by their line, the RFC 4180 round trip, and appends under the lock. The
// keys each code takes and the checks Update makes are tested with the editor; here, one
// refusal of each kind shows how an import reports it.

#include "CliFiles.h"
#include "CliFixture.h"
#include "FaultyFileSystem.h"
#include "ImportCommand.h"
#include "NamedCase.h"
#include "RecordingReporter.h"
#include "engine/DbFile.h"
#include "engine/modDB.h"

#include <algorithm>
#include <cerrno>
#include <sstream>

namespace tabulo::cli {
namespace {

// One field for each kind of input rule.
test::TestDb Form() {
    test::TestDb db;
    db.AddField("ID", 6, "#").AddField("NAME", 10, "ASF!").AddField("BORN", 10, "D");
    db.AddField("AT", 8, "T").AddField("QTY", 5, "N-").AddField("CODE", 4, "AU");
    db.AddField("MAIL", 20, "E").AddField("NOTE", 30, "*M").AddField("FIXED", 5, "=");
    db.AddField("YES", 1, "Y");
    return db;
}

struct BadRows {
    const char* what;
    std::string csv;
    std::vector<std::string> messages; // standard error lines after "tabulo-cli: in.csv: "
    int appended;
};

// clang-format off
const BadRows kBadRows[] = {
    {"a date that does not exist", "NAME,BORN\r\nAnn,31/02/2024\r\nBob,29/02/2024\r\n",
     {"line 2: Field: BORN, Invalid date. (DD/MM/YYYY or MM/DD/YYYY)"}, 1},
    {"a minus after the digits", "NAME,QTY\r\nAnn,-5\r\nBob,5-\r\n",
     {"line 3: field QTY: \"-\" is not accepted by the field's codes \"N-\""}, 1},
    {"a wrong number of values", "NAME,BORN\r\nAnn\r\nBob,,\r\nCy,\r\n",
     {"line 2: 1 values, but the header row names 2",
      "line 3: 3 values, but the header row names 2"}, 1},
    {"a quoted value that never ends", "NAME\r\nAnn\r\n\"Bob\r\n",
     {"line 3: the quoted value begun on line 3 never ends"}, 1},
    {"invalid UTF-8", "NAME\r\nAn\xFFn\r\n", {"line 2: field NAME: not valid UTF-8"}, 0},
    {"a character outside Windows-1252", "NOTE,NAME\r\n\xC4\x80,Ann\r\n",
     {"line 2: field NOTE: a character that Windows-1252 cannot hold"}, 0},
    {"a deleted column that is no number", "NAME,deleted\r\nAnn,yes\r\n",
     {"line 2: column deleted: expected 0 or 1"}, 0},
    {"line numbers counted through values of several lines",
     "NAME,NOTE\r\nAnn,\"one\r\ntwo\"\r\nBob,x\r\n,y\r\n",
     {"line 5: Field: NAME, Cannot be empty"}, 2},
};
// clang-format on

class ImportRows : public CliTest, public testing::WithParamInterface<BadRows> {};

TEST_P(ImportRows, RefusesBadRowsByLineAndAppendsTheRest) {
    Write(Form(), "Db");
    test::WriteFileBytes(File("in.csv"), GetParam().csv);
    const test::CliResult r = Cli({"import", "Db", "in.csv"});
    std::string expected;
    for (const std::string& m : GetParam().messages)
        expected += "tabulo-cli: in.csv: " + m + "\n";
    EXPECT_EQ(r.err, expected);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(test::LongAt(Bytes("Db.Tbd"), 0), GetParam().appended);
}

INSTANTIATE_TEST_SUITE_P(Cli, ImportRows, testing::ValuesIn(kBadRows), test::CaseName<BadRows>);

class Import : public CliTest {};

TEST_F(Import, ValuesAreTypedAsAPersonWouldTypeThem) {
    test::TestDb db = Form();
    db.AddRecord({" 1", "Old"});
    Write(db, "Db");
    test::WriteFileBytes(File("in.csv"),
                         "\xEF\xBB\xBFNAME,CODE,QTY,YES,NOTE,FIXED,ID,recno,deleted\r\n"
                         "john SMITH,ab,-12,y,\"one\ntwo\",as is,99,7,1\r\n" // lines 2 and 3
                         "Abcdefghijkl,,,n,,,,,0\r\n");
    const test::CliResult r = Cli({"import", "Db", "in.csv"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "tabulo-cli: in.csv: line 4: field NAME: cut to the field's length, 10\n");
    EXPECT_EQ(r.out, "appended 2 records to Db.Tbd\n");
    EXPECT_EQ(Cli({"export", "Db"}).out,
              "recno,deleted,ID,NAME,BORN,AT,QTY,CODE,MAIL,NOTE,FIXED,YES\r\n"
              "1,0,1,Old,,,,,,,,\r\n"
              "2,1,2,John Smith,,,-12,AB,,\"one\r\ntwo\",as is,Y\r\n"
              "3,0,3,Abcdefghij,,,,,,,,N\r\n");
}

// Export then import into an empty copy gives the same file, byte for byte.
TEST_F(Import, RoundTripThroughRfc4180) {
    test::TestDb empty;
    empty.AddField("ID", 6, "#").AddField("NAME", 20, "*").AddField("NOTE", 40, "*M");
    empty.AddField("BORN", 10, "D").AddField("QTY", 8, "N.-").AddField("CODE", 4, "AU");
    test::TestDb full = empty;
    full.AddRecord(
        {" 1", "Ann, \"the\" first", "caf\xE9\r\n\"quoted\", too", "29/02/2024", "-1.5", "AB"});
    full.AddDeletedRecord({" 2", "\x80 & \xFF", "", "", "", ""});
    full.AddRecord({" 3", "", "\r\n\r\nlines", "01/12/1999", "7", "Z"});
    full.AddRecord({" 4", "plain", ",", "", "", ""});
    Write(full, "Full");
    Write(empty, "Copy");

    ASSERT_EQ(Cli({"export", "Full", "-o", "full.csv"}).status, 0);
    const test::CliResult r = Cli({"import", "Copy", "full.csv"});

    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Bytes("Copy.Tbd"), Bytes("Full.Tbd"));
    // The code page of the file works too.
    Write(empty, "Copy");
    ASSERT_EQ(Cli({"export", "Full", "-o", "full.csv", "--encoding", "cp1252"}).status, 0);
    EXPECT_EQ(Cli({"import", "Copy", "full.csv", "--encoding", "cp1252"}).status, 0);
    EXPECT_EQ(Bytes("Copy.Tbd"), Bytes("Full.Tbd"));
}

TEST_F(Import, AllOrNothingWritesNothingWhenARowFails) {
    Write(Form(), "Db");
    test::WriteFileBytes(File("in.csv"), "NAME\r\nAnn\r\n\r\nBob1\r\nCy\r\n");
    const std::string before = Bytes("Db.Tbd");
    const test::CliResult r = Cli({"import", "Db", "in.csv", "--all-or-nothing"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tabulo-cli: in.csv: line 4: field NAME: \"1\" is not accepted by the "
                     "field's codes \"ASF!\"\n");
    EXPECT_EQ(r.out, "appended 0 records to Db.Tbd; 1 rows refused, so nothing was written\n");
    EXPECT_EQ(Bytes("Db.Tbd"), before);

    test::WriteFileBytes(File("in.csv"), "NAME\r\nAnn\r\nCy\r\n");
    EXPECT_EQ(Cli({"import", "Db", "in.csv", "--all-or-nothing"}).status, 0);
    EXPECT_EQ(test::LongAt(Bytes("Db.Tbd"), 0), 2);
}

TEST_F(Import, DryRunChecksAndWritesNothing) {
    Write(Form(), "Db");
    const std::string before = Bytes("Db.Tbd");
    test::WriteFileBytes(File("in.csv"), "NAME\r\nAnn\r\nBob\r\n");
    const test::CliResult r = Cli({"import", "Db", "in.csv", "--dry-run"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "would append 2 records to Db.Tbd\n");
    EXPECT_EQ(Bytes("Db.Tbd"), before);
}

TEST_F(Import, AHeaderRowThatNamesNoFieldWritesNothing) {
    Write(Form(), "Db");
    const std::string before = Bytes("Db.Tbd");
    const std::pair<std::string, std::string> cases[] = {
        {"NAME,Colour\r\nAnn,red\r\n", "the header row: no field named Colour"},
        {"NAME,NAME\r\nAnn,Ann\r\n", "the header row: NAME is named twice"},
        {"", "the file is empty: it needs a header row naming fields"},
        {"NA\"ME\r\n", "line 1: a quote inside a value that does not begin with one"},
    };
    for (const auto& [csv, message] : cases) {
        test::WriteFileBytes(File("in.csv"), csv);
        const test::CliResult r = Cli({"import", "Db", "in.csv"});
        EXPECT_EQ(r.status, 1) << csv;
        EXPECT_EQ(r.err, "tabulo-cli: in.csv: " + message + "\n");
    }
    EXPECT_EQ(Bytes("Db.Tbd"), before);
    EXPECT_EQ(Cli({"import", "Db", "missing.csv"}).err,
              "tabulo-cli: missing.csv: cannot open the file: No such file or directory\n");
}

// A window open on the file sees the appended records, numbered after its own.
TEST_F(Import, AppendsGoThroughTheEnginesLock) {
    test::TestDb db = Form();
    db.AddRecord({" 1", "Old"});
    Write(db, "Db");
    test::RecordingReporter reporter;
    modDB window(reporter, MachineFileSystem());
    std::string name = File("Db");
    ASSERT_EQ(window.OpenDatabase(FilePath(name)), 1);
    test::WriteFileBytes(File("in.csv"), "NAME\r\nAnn\r\nBob\r\n");

    {
        std::unique_ptr<DbFile> other = DbFile::Open(MachineFileSystem(), File("Db.Tbd"));
        ASSERT_TRUE(other->TryLockByte0()); // another copy is writing right now
        const test::CliResult r = Cli({"import", "Db", "in.csv"});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "tabulo-cli: Db: AddRecord: Unexpected Error\n"
                         "tabulo-cli: in.csv: stopped: the database took no more records\n");
    }
    EXPECT_EQ(Cli({"import", "Db", "in.csv"}).status, 0);
    EXPECT_EQ(window.GetRecordCount(), 3);
    ASSERT_EQ(window.SetRecordNo(3), 1);
    std::string id, person;
    window.ReadField(1, id);
    window.ReadField(2, person);
    EXPECT_EQ(id + " " + person, "3 Bob");
}

// The file read in pieces of a few bytes, failing once failAfter bytes have been read.
class FailingInput : public InputFile {
public:
    explicit FailingInput(size_t failAfter) : left_(failAfter) {}

protected:
    ssize_t ReadPiece(char* into, size_t n) override {
        if (left_ == 0) {
            errno = EIO;
            return -1;
        }
        const ssize_t got = InputFile::ReadPiece(into, std::min<size_t>({n, left_, 4}));
        if (got > 0) left_ -= static_cast<size_t>(got);
        return got;
    }

private:
    size_t left_;
};

struct ReadFailure {
    const char* what;
    size_t failAfter;
    bool allOrNothing;
    std::string message; // after "tabulo-cli: in.csv: "
    std::string summary;
    int appended;
};

const ReadFailure kReadFailures[] = {
    {"in the header row", 3, false,
     "line 1: reading the file failed (Input/output error); 0 records appended before it", "", 0},
    {"between two rows", 11, false,
     "line 3: reading the file failed (Input/output error); 1 records appended before it",
     "appended 1 records to Db.Tbd\n", 1},
    {"inside a row", 13, false,
     "line 3: reading the file failed (Input/output error); 1 records appended before it",
     "appended 1 records to Db.Tbd\n", 1},
    {"all or nothing", 13, true,
     "line 3: reading the file failed (Input/output error); 0 records appended before it",
     "appended 0 records to Db.Tbd, so nothing was written\n", 0},
};

class ImportReadFailures : public CliTest, public testing::WithParamInterface<ReadFailure> {};

// A row cut short by the failed read is never appended; the rows before it stay.
TEST_P(ImportReadFailures, SayTheLineAndTheRecordsAppended) {
    const ReadFailure& c = GetParam();
    Write(Form(), "Db");
    test::WriteFileBytes(File("in.csv"), "NAME\r\nAnn\r\nBob\r\nCy\r\n");
    FailingInput input(c.failAfter);
    std::string error;
    ASSERT_TRUE(input.Open(Path("in.csv"), error)) << error;
    ImportOptions options{Path("Db"), FilePath("in.csv")};
    options.allOrNothing = c.allOrNothing;
    std::ostringstream out, err;
    EXPECT_EQ(ImportFrom(MachineFileSystem(), input, options, out, err), 1);
    EXPECT_EQ(err.str(), "tabulo-cli: in.csv: " + c.message + "\n");
    std::string summary = c.summary;
    if (const size_t at = summary.find("Db.Tbd"); at != std::string::npos)
        summary.replace(at, 6, File("Db.Tbd"));
    EXPECT_EQ(out.str(), summary);
    EXPECT_EQ(test::LongAt(Bytes("Db.Tbd"), 0), c.appended);
}

INSTANTIATE_TEST_SUITE_P(Cli, ImportReadFailures, testing::ValuesIn(kReadFailures),
                         test::CaseName<ReadFailure>);

TEST_F(Import, ADirectoryIsAReadFailureNotACrash) {
    Write(Form(), "Db");
    std::filesystem::create_directory(File("rows.csv"));
    const test::CliResult r = Cli({"import", "Db", "rows.csv"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tabulo-cli: rows.csv: line 1: reading the file failed (Is a directory); 0 "
                     "records appended before it\n");
}

// A row marked deleted goes in already marked: one write of the record and one of the count,
// as for a live row, under one lock.
TEST_F(Import, AMarkedRowIsAppendedMarkedInOneWrite) {
    Write(Form(), "Db");
    test::WriteFileBytes(File("in.csv"), "NAME,deleted\r\nAnn,1\r\nBob,0\r\n");
    InputFile input;
    std::string error;
    ASSERT_TRUE(input.Open(Path("in.csv"), error)) << error;
    std::ostringstream out, err;
    test::FaultyFileSystem faults;
    const auto log = faults.StepsOf([&] {
        EXPECT_EQ(
            ImportFrom(faults, input, ImportOptions{Path("Db"), FilePath("in.csv")}, out, err), 0)
            << err.str();
    });
    const auto count = [&](test::FileStep step) {
        return std::count_if(log.begin(), log.end(),
                             [&](const test::LoggedStep& s) { return s.step == step; });
    };
    EXPECT_EQ(count(test::FileStep::Write), 4);
    EXPECT_EQ(count(test::FileStep::Lock), 2);
    const std::string bytes = Bytes("Db.Tbd");
    const size_t length = static_cast<size_t>(test::LongAt(bytes, 4));
    EXPECT_EQ(bytes.substr(23496, 1) + bytes.substr(23496 + length, 1), "* ");
}

} // namespace
} // namespace tabulo::cli
