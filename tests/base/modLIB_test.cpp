#include "base/modLIB.h"

#include <gtest/gtest.h>

namespace {

struct KeyCase {
    const char* codes;
    int key;
    int expected;
};

class FilterKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(FilterKeyTest, DecidesTheKey) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(modLIB::FilterKey(c.key, c.codes), c.expected)
        << "codes '" << c.codes << "' key " << c.key;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, FilterKeyTest,
    testing::Values(
        // Lower-case code strings are raised to capitals first.
        KeyCase{"n", '5', '5'}, KeyCase{"n", 'a', 0}, KeyCase{"n", ' ', 0}, KeyCase{"n", 8, 8},
        KeyCase{"", 13, 13}, KeyCase{"", 'a', 0}, KeyCase{"S", ' ', ' '}, KeyCase{"UA", 'a', 'A'},
        KeyCase{"UL", 'a', 'a'}, KeyCase{"L", 'Q', 'q'}, KeyCase{"AX", 'G', 0},
        KeyCase{"AX", 'F', 'F'}, KeyCase{"X", '7', '7'}, KeyCase{"XU", 'c', 'C'},
        KeyCase{"XU", 'z', 0}, KeyCase{"N-.", '-', '-'}, KeyCase{"N-.", '.', '.'},
        KeyCase{"N-.", '/', 0}, KeyCase{"  n  ", '1', '1'}, KeyCase{"*", 0xE9, 0}));

// The field name rule, and the "hh:mm:ss" time check.
TEST(IsValidNameAndTime, FollowTheirRules) {
    for (const char* ok : {"A1", "A_B", "X", "Name_2x"})
        EXPECT_TRUE(modLIB::IsValidName(ok)) << ok;
    for (const char* bad : {"_A", "1A", "A_", "", "A B", "A-B"})
        EXPECT_FALSE(modLIB::IsValidName(bad)) << bad;
    EXPECT_TRUE(modLIB::IsValidTime("23:59:59"));
    for (const char* bad : {"24:00:00", "12:60:00", "12:30:60", "12:30", "12-30-00", "1a:00:00"})
        EXPECT_FALSE(modLIB::IsValidTime(bad)) << bad;
}

TEST(IsValidDate, ChecksCalendarAndOrder) {
    struct Case {
        const char* text;
        int order;
        bool valid;
    };
    for (const Case& c :
         {Case{"29/02/2000", 1, true}, Case{"29/02/1900", 1, false}, Case{"31/04/2024", 1, false},
          Case{"1/2/2024", 1, false}, Case{"02/29/2000", 2, true}, Case{"29/02/2000", 2, false},
          Case{"31/12/9999", 1, true}, Case{"01/01/0000", 1, false}, Case{"0a/01/2000", 1, false},
          Case{"01-01-2000", 1, false}, Case{"15/06/2024", 0, true}})
        EXPECT_EQ(modLIB::IsValidDate(c.text, c.order), c.valid) << c.text << " order " << c.order;
}

} // namespace
