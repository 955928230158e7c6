// tbdinfo on sound and damaged files: a clear message and a failing status for damage,
// never a read outside the file or the record.

#include "DatabaseInfo.h"

#include "CaseName.h"
#include "TempDir.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace tabulo::tools {
namespace {

// A header with one field NAME (characters 1-5) and two records of 6 bytes.
DBHeader SmallHeader() {
    DBHeader h = DefaultHeader();
    h.RecordCount = 2;
    h.RecordLength = 6;
    h.FieldCount = 1;
    h.Fields[0].Page = 1;
    h.Fields[0].Length = 5;
    h.Fields[0].Offset = 1;
    h.Fields[0].Name = FixedString("NAME", 32);
    h.Fields[0].Format = FixedString("A", 8);
    return h;
}

const std::string kTwoRecords = " Ann  *Bob\r\n";

struct InfoCase {
    const char* what;
    std::function<void(DBHeader&)> damage;
    std::string body; // bytes after the header
    int cutTo;        // file length when not -1
    int status;
    std::string problem; // part of the message on the error stream
    std::string shown;   // part of the account on the output stream
};

std::vector<InfoCase> Cases() {
    auto none = [](DBHeader&) {};
    return {
        {"sound", none, kTwoRecords, -1, 0, "", "Record 2 (deleted): NAME=\"Bob\\r\\n\""},
        {"truncated header", none, "", 1000, 1,
         "1000 bytes, shorter than the 23496-byte header: not a database", ""},
        {"record length 0", [](DBHeader& h) { h.RecordLength = 0; }, kTwoRecords, -1, 1,
         "RecordLength 0 is below 1: the records cannot be read", "Records        2 of 0 bytes"},
        {"field count beyond 128", [](DBHeader& h) { h.FieldCount = 500; }, kTwoRecords, -1, 1,
         "FieldCount 500 is outside 0 to 128", "Record 1: NAME=\"Ann\""},
        {"field reaching outside the record", [](DBHeader& h) { h.Fields[0].Offset = 3; },
         kTwoRecords, -1, 1, "field 1 (NAME): offset 3, length 5 reach outside the record",
         "Record 1:\n"},
        {"negative field offset", [](DBHeader& h) { h.Fields[0].Offset = -4; }, kTwoRecords, -1, 1,
         "field 1 (NAME): offset -4, length 5 reach outside the record", ""},
        {"more records counted than present", [](DBHeader& h) { h.RecordCount = 9; },
         kTwoRecords + " Cy", -1, 1, "the header counts 9 records, the file holds 2",
         "Record 2 (deleted)"},
        {"stray bytes after the records", none, kTwoRecords + " Cy", -1, 1,
         "3 bytes after the last whole record", ""},
        {"negative record count", [](DBHeader& h) { h.RecordCount = -1; }, kTwoRecords, -1, 1,
         "RecordCount -1 is outside 0 to 65530", ""},
    };
}

void PrintTo(const InfoCase& c, std::ostream* os) {
    *os << c.what;
}

class DatabaseInfo : public testing::TestWithParam<InfoCase> {};

TEST_P(DatabaseInfo, ReportsDamageWithoutCrashing) {
    const InfoCase& c = GetParam();
    test::TempDir dir;
    std::string path = dir.File("Damaged.Tbd");
    DBHeader header = SmallHeader();
    c.damage(header);
    std::string bytes = EncodeHeader(header) + c.body;
    if (c.cutTo >= 0) bytes.resize(c.cutTo);
    std::ofstream(path, std::ios::binary) << bytes;

    std::ostringstream out, err;
    int status = PrintDatabaseInfo(path, {}, out, err);

    EXPECT_EQ(status, c.status) << err.str();
    if (c.problem.empty())
        EXPECT_EQ(err.str(), "");
    else
        EXPECT_NE(err.str().find(path + ": " + c.problem), std::string::npos) << err.str();
    EXPECT_NE(out.str().find(c.shown), std::string::npos) << out.str();
}

INSTANTIATE_TEST_SUITE_P(Tbdinfo, DatabaseInfo, testing::ValuesIn(Cases()), CaseName<InfoCase>);

TEST(DatabaseInfoFile, MissingFile) {
    std::ostringstream out, err;
    EXPECT_EQ(PrintDatabaseInfo("/nonexistent/X.Tbd", {}, out, err), 1);
    EXPECT_EQ(err.str(), "/nonexistent/X.Tbd: cannot open the file\n");
}

TEST(DatabaseInfoText, ColoursAndQuotedText) {
    EXPECT_EQ(ColourText(0x302010), "#102030");
    EXPECT_EQ(ColourText(-2147483643), "-2147483643");
    EXPECT_EQ(QuotedText("a\"b\\\r\n\x01\xE9"), "\"a\\\"b\\\\\\r\\n\\x01\u00E9\"");
}

} // namespace
} // namespace tabulo::tools
