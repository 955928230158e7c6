#include "base/modLIB.h"

#include <gtest/gtest.h>

namespace {

// Lower-case code strings are raised to capitals first.
TEST(FilterKey, DecidesTheKeyByTheFieldsCodes) {
    struct Case {
        const char* codes;
        int key;
        int expected;
    };
    const Case cases[] = {
        {"n", '5', '5'},   {"n", 'a', 0},    {"n", ' ', 0},       {"n", 8, 8},
        {"", 13, 13},      {"", 'a', 0},     {"S", ' ', ' '},     {"UA", 'a', 'A'},
        {"UL", 'a', 'a'},  {"L", 'Q', 'q'},  {"AX", 'G', 0},      {"AX", 'F', 'F'},
        {"X", '7', '7'},   {"XU", 'c', 'C'}, {"XU", 'z', 0},      {"N-.", '-', '-'},
        {"N-.", '.', '.'}, {"N-.", '/', 0},  {"  n  ", '1', '1'}, {"*", 0xE9, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(modLIB::FilterKey(c.key, c.codes), c.expected)
            << "codes '" << c.codes << "' key " << c.key;
}

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
