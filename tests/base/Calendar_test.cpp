#include "base/Calendar.h"

#include <gtest/gtest.h>

namespace tabulo::calendar {
namespace {

TEST(Calendar, KnownDatesHaveTheirDayNumbersAndWeekdays) {
    struct Case {
        int year, month, day;
        std::int64_t number;
        int weekday; // 1 Sunday .. 7 Saturday
    };
    const Case cases[] = {
        {1899, 12, 30, 0, 7},    {1899, 12, 31, 1, 1},     {1900, 1, 1, 2, 2},
        {1899, 12, 29, -1, 6},   {1900, 3, 1, 61, 5},      {2000, 1, 1, 36526, 7},
        {2024, 2, 29, 45351, 5}, {100, 1, 1, -657434, 6},  {9999, 12, 31, 2958465, 6},
        {1, 1, 1, -693593, 2},   {1752, 9, 14, -53797, 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DayNumber(c.year, c.month, c.day), c.number) << c.year << "-" << c.month;
        const Date date = DateOfDayNumber(c.number);
        EXPECT_EQ(date.Year * 10000 + date.Month * 100 + date.Day,
                  c.year * 10000 + c.month * 100 + c.day)
            << c.number;
        EXPECT_EQ(DayOfWeek(c.number), c.weekday) << c.number;
    }
    // Days beyond the month count on.
    EXPECT_EQ(DayNumber(2024, 2, 30), DayNumber(2024, 3, 1));
    EXPECT_EQ(DayNumber(2024, 3, 0), DayNumber(2024, 2, 29));
}

// Every date comes back as its own day number, and consecutive numbers are consecutive days.
TEST(Calendar, DayNumbersRunThroughEveryDateOfYearsOneTo9999) {
    Date previous = DateOfDayNumber(-693593); // 1 January 1
    for (std::int64_t n = -693592; n <= 2958465; ++n) {
        const Date date = DateOfDayNumber(n);
        const bool nextDay = date.Day == previous.Day + 1 && date.Month == previous.Month;
        const bool nextMonth =
            date.Day == 1 && previous.Day == DaysInMonth(previous.Month, previous.Year);
        ASSERT_TRUE(nextDay || nextMonth) << n;
        ASSERT_EQ(DayNumber(date.Year, date.Month, date.Day), n);
        previous = date;
    }
}

TEST(Calendar, MonthLengthsFollowTheLeapYearRuleWithinYearsOneTo9999) {
    struct Case {
        int month, year, days;
    };
    const Case cases[] = {
        {2, 2000, 29},  {2, 2100, 28}, {2, 1900, 28}, {2, 2024, 29}, {2, 2023, 28}, {4, 2024, 30},
        {12, 9999, 31}, {1, 1, 31},    {2, 0, 0},     {1, 10000, 0}, {13, 2000, 0}, {0, 2000, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DaysInMonth(c.month, c.year), c.days) << c.month << "/" << c.year;
}

} // namespace
} // namespace tabulo::calendar
