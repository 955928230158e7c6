// Values entered as if typed: what each code accepts, converts and refuses, line breaks as
// the Enter key, and values cut to the field's length.

#include "TypedValue.h"

#include "CaseName.h"

#include <gtest/gtest.h>

namespace tabulo::cli {
namespace {

struct TypedCase {
    const char* what;
    const char* format;
    int length;
    std::string value;
    std::string text;    // the field's text afterwards
    std::string problem; // part of the refusal; empty when taken
    bool cut;
};

void PrintTo(const TypedCase& c, std::ostream* os) {
    *os << c.what;
}

const TypedCase kCases[] = {
    {"letters and spaces", "AS", 10, "Ann Berg", "Ann Berg", "", false},
    {"a digit in a letters field", "A", 10, "Ann2", "", "\"2\" is not accepted", false},
    {"first capitals", "ASF", 20, "john SMITH", "John Smith", "", false},
    {"upper then lower case", "AUL", 5, "AbC", "abc", "", false},
    {"a number with one point and a leading minus", "N.-", 8, "-12.5", "-12.5", "", false},
    {"a second decimal point", "N.", 8, "1.2.3", "", "\".\" is not accepted", false},
    {"yes or no", "Y", 1, "n", "N", "", false},
    {"a word in a yes or no field", "Y", 3, "Yes", "", "\"e\" is not accepted", false},
    {"a date", "D", 10, "29/02/2024", "29/02/2024", "", false},
    {"a time", "T", 8, "12:30:00", "12:30:00", "", false},
    {"a web address with one colon", "W", 30, "http://a:b", "", "\":\" is not accepted", false},
    {"any character, line breaks as CR LF", "*M", 20, "a\nb\r\nc\rd", "a\r\nb\r\nc\r\nd", "",
     false},
    {"a line break in one line", "*", 20, "a\nb", "", "a line break is not accepted", false},
    {"a tab", "*", 20, "a\tb", "", "the control character \"\\x09\" cannot be typed", false},
    {"characters above 127 in any-character fields", "*", 5, "\xE9\x80", "\xE9\x80", "", false},
    {"too long: cut to the length", "A", 3, "abcdef", "abc", "", true},
    {"cut never between CR and LF", "*M", 3, "ab\r\ncd", "ab", "", true},
    {"read-only fields keep the value as given", "=", 6, "x,y!\n", "x,y!\r\n", "", false},
    {"fields without codes keep the value as given", "", 4, "1-2", "1-2", "", false},
    {"record numbers are left for the append", "#", 6, "99", "", "", false},
};

class Typing : public testing::TestWithParam<TypedCase> {};

TEST_P(Typing, AsAPersonWouldType) {
    const TypedCase& c = GetParam();
    const TypedValue typed = TypeIntoField({c.format, c.length, 1}, c.value);
    EXPECT_EQ(typed.text, c.text);
    if (c.problem.empty())
        EXPECT_EQ(typed.problem, "");
    else
        EXPECT_NE(typed.problem.find(c.problem), std::string::npos) << typed.problem;
    EXPECT_EQ(typed.cut, c.cut);
}

INSTANTIATE_TEST_SUITE_P(Cli, Typing, testing::ValuesIn(kCases), CaseName<TypedCase>);

} // namespace
} // namespace tabulo::cli
