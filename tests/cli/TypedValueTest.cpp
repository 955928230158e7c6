// Values entered as if typed, one key after another through the field's key filter (whose
// codes are tested key by key with the editor): the refusal in words, line breaks as the
// Enter key, control characters, values cut to the field's length, and the codes that take
// no keys.

#include "TypedValue.h"

#include "NamedCase.h"

#include <gtest/gtest.h>

namespace tabulo::cli {
namespace {

struct TypedCase {
    const char* what;
    const char* format;
    int length;
    std::string value;
    std::string text;    // the field's text afterwards
    std::string problem; // the refusal; empty when taken
    bool cut;
};

const TypedCase kCases[] = {
    {"a digit in a letters field", "A", 10, "Ann2", "",
     "\"2\" is not accepted by the field's codes \"A\"", false},
    {"any character, line breaks as CR LF", "*M", 20, "a\nb\r\nc\rd", "a\r\nb\r\nc\r\nd", "",
     false},
    {"a line break in one line", "*", 20, "a\nb", "",
     "a line break is not accepted in a field of one line", false},
    {"a tab", "*", 20, "a\tb", "", "the control character \"\\x09\" cannot be typed", false},
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
    EXPECT_EQ(typed.problem, c.problem);
    EXPECT_EQ(typed.cut, c.cut);
}

INSTANTIATE_TEST_SUITE_P(Cli, Typing, testing::ValuesIn(kCases), test::CaseName<TypedCase>);

} // namespace
} // namespace tabulo::cli
