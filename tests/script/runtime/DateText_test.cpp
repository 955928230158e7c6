// Date parsing, formatting and names as scripts see them are checked by
// tests/script/builtins/date_text*.vbs; here only the names no script can ask for.
#include "script/vbscript/runtime/DateNames.h"

#include <gtest/gtest.h>

namespace tabulo::vbs::rt {
namespace {

// MonthName and WeekdayName refuse these numbers before asking for a name.
TEST(DateNames, NumbersOutOfRangeHaveNoNameAndWeekdayNamesHaveTheirNumber) {
    EXPECT_EQ(monthName(13, false), "");
    EXPECT_EQ(weekdayName(0, false), "");
    EXPECT_EQ(weekdayName(1, false, 8), "");
    EXPECT_EQ(weekdayFromName("thurs"), 5);
}

} // namespace
} // namespace tabulo::vbs::rt
