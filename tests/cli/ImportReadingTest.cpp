// What import reads. The RFC 4180 reader: values, quoting, line ends of every kind, the line
// each record starts on, and malformed records that do not stop the reading. Values entered
// as if typed, one key after another through the field's key filter (whose codes are tested
// key by key with the editor): the refusal in words, line breaks as the Enter key, control
// characters, values cut to the field's length, and the codes that take no keys.

#include "CsvReader.h"
#include "NamedCase.h"
#include "TypedValue.h"

#include <gtest/gtest.h>
#include <sstream>
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

} // namespace
} // namespace tabulo::cli
