// Date parsing, formatting and names as scripts see them are checked by
// tests/script/builtins/date_text*.vbs; here only helpers and values no script reaches.
#include "script/vbscript/runtime/DateNames.h"
#include "script/vbscript/runtime/DateParse.h"

#include <gtest/gtest.h>

namespace tabulo::vbs::rt {
namespace {

constexpr int kThisYear = 2024;

TEST(DateParse, TextToDateReadsNumbersAsSerialsWithinTheDateRange) {
    EXPECT_EQ(textToDate("1", kDayFirst, kThisYear), 1.0);
    EXPECT_EQ(textToDate(" -1.25 ", kDayFirst, kThisYear), -1.25);
    EXPECT_EQ(textToDate("5/1/2024", kDayFirst, kThisYear), 45296.0); // 5 January 2024
    EXPECT_FALSE(textToDate("3000000", kDayFirst, kThisYear));
    EXPECT_FALSE(textToDate("", kDayFirst, kThisYear));
}

// MonthName and WeekdayName refuse these numbers before asking for a name.
TEST(DateNames, NumbersOutOfRangeHaveNoNameAndWeekdayNamesHaveTheirNumber) {
    EXPECT_EQ(monthName(13, false), "");
    EXPECT_EQ(weekdayName(0, false), "");
    EXPECT_EQ(weekdayName(1, false, 8), "");
    EXPECT_EQ(weekdayFromName("thurs"), 5);
}

} // namespace
} // namespace tabulo::vbs::rt
