// The RFC 4180 reader: values, quoting, line ends of every kind, the line each record starts
// on, and malformed records that do not stop the reading.

#include "CsvReader.h"

#include "NamedCase.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tabulo::cli {
namespace {

struct ReadCase {
    const char* what;
    std::string text;
    std::vector<CsvRecord> records;
};

const ReadCase kCases[] = {
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

TEST_P(CsvReading, GivesRecordsWithTheirLines) {
    std::istringstream in(GetParam().text);
    CsvReader reader(in);
    std::vector<CsvRecord> got;
    CsvRecord record;
    while (reader.Next(record))
        got.push_back(record);
    ASSERT_EQ(got.size(), GetParam().records.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].line, GetParam().records[i].line) << i;
        EXPECT_EQ(got[i].values, GetParam().records[i].values) << i;
        EXPECT_EQ(got[i].problem, GetParam().records[i].problem) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, CsvReading, testing::ValuesIn(kCases), test::CaseName<ReadCase>);

} // namespace
} // namespace tabulo::cli
