#include "DateTestText.h"
#include "script/vbscript/runtime/DateMath.h"

#include <gtest/gtest.h>

namespace tabulo::vbs::rt {
namespace {

using test::isoText;

double at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return *makeDate({year, month, day, hour, minute, second});
}

Interval interval(const char* name) {
    return *parseInterval(name);
}

TEST(DateMath, IntervalNames) {
    EXPECT_EQ(parseInterval("yyyy"), Interval::Year);
    EXPECT_EQ(parseInterval("YYYY"), Interval::Year);
    EXPECT_EQ(parseInterval("ww"), Interval::Week);
    EXPECT_EQ(parseInterval("N"), Interval::Minute);
    for (const char* bad : {"", "x", "dd", "yy", "hh", "mm"})
        EXPECT_FALSE(parseInterval(bad)) << bad;
}

TEST(DateMath, DateAddKeepsTheDayUnlessTheMonthIsShorter) {
    struct Case {
        const char* interval;
        double number;
        double date;
        const char* expected;
    };
    const double jan31 = at(2010, 1, 31);
    const double morning = at(2010, 1, 31, 8, 50, 0);
    const Case cases[] = {
        {"yyyy", 1, jan31, "2011-01-31 00:00:00"},
        {"q", 1, jan31, "2010-04-30 00:00:00"},
        {"m", 1, jan31, "2010-02-28 00:00:00"},
        {"m", 1, at(2024, 1, 31), "2024-02-29 00:00:00"},
        {"m", 13, at(2024, 1, 31, 10, 0, 0), "2025-02-28 10:00:00"},
        {"yyyy", 4, at(2024, 2, 29), "2028-02-29 00:00:00"},
        {"y", 1, jan31, "2010-02-01 00:00:00"},
        {"d", 1, jan31, "2010-02-01 00:00:00"},
        {"ww", 1, jan31, "2010-02-07 00:00:00"},
        {"h", 1, morning, "2010-01-31 09:50:00"},
        {"s", 1, morning, "2010-01-31 08:50:01"},
        {"h", 24, morning, "2010-02-01 08:50:00"},
        {"d", 1.5, jan31, "2010-02-02 00:00:00"},
        {"d", 2.5, jan31, "2010-02-02 00:00:00"},
        {"n", -30, at(1899, 12, 30, 0, 15, 0), "1899-12-29 23:45:00"},
        {"n", 30, -1.25, "1899-12-29 06:30:00"},
        {"d", -1, 0.25, "1899-12-29 06:00:00"},
        {"d", 1, at(9999, 12, 31), "none"},
        {"yyyy", -1, at(100, 6, 1), "none"},
        {"s", 1e12, jan31, "none"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isoText(dateAdd(interval(c.interval), c.number, c.date)), c.expected)
            << c.interval << " " << c.number << " " << isoText(c.date);
}

TEST(DateMath, DateDiffCountsBoundariesCrossed) {
    struct Case {
        const char* interval;
        double date1;
        double date2;
        int firstDayOfWeek;
        std::int64_t expected;
    };
    const Case cases[] = {
        {"yyyy", at(2023, 12, 31), at(2024, 1, 1), 1, 1},
        {"yyyy", at(2024, 1, 1), at(2024, 12, 31), 1, 0},
        {"q", at(2024, 3, 31), at(2024, 4, 1), 1, 1},
        {"q", at(2023, 12, 31), at(2024, 1, 1), 1, 1},
        {"m", at(2024, 1, 31), at(2024, 2, 1), 1, 1},
        {"m", at(2023, 11, 15), at(2024, 2, 14), 1, 3},
        {"d", at(2024, 1, 1, 23, 0, 0), at(2024, 1, 2, 1, 0, 0), 1, 1},
        {"y", at(2023, 2, 28), at(2023, 3, 1), 1, 1},
        {"d", at(2024, 2, 28), at(2024, 3, 1), 1, 2},
        {"d", -1.25, 0.25, 1, 1},
        {"w", at(2024, 1, 1), at(2024, 1, 7), 1, 0},
        {"w", at(2024, 1, 1), at(2024, 1, 8), 1, 1},
        {"w", at(2024, 1, 8), at(2024, 1, 1), 1, -1},
        {"ww", at(2024, 1, 1), at(2024, 1, 7), 1, 1}, // Monday to Sunday
        {"ww", at(2024, 1, 7), at(2024, 1, 13), 1, 0},
        {"ww", at(2024, 1, 1), at(2024, 1, 7), 2, 0}, // weeks from Monday
        {"ww", at(2024, 1, 7), at(2024, 1, 8), 2, 1},
        {"ww", at(2024, 1, 14), at(2024, 1, 6), 1, -2},
        {"h", at(2024, 1, 1, 1, 59, 59), at(2024, 1, 1, 2, 0, 0), 1, 1},
        {"h", -1.25, 0.25, 1, 24},
        {"h", at(1899, 12, 29, 23, 30, 0), at(1899, 12, 30, 0, 10, 0), 1, 1},
        {"n", at(2024, 1, 1, 10, 0, 59), at(2024, 1, 1, 10, 1, 0), 1, 1},
        {"s", at(2024, 1, 1), at(2024, 1, 2), 1, 86400},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dateDiff(interval(c.interval), c.date1, c.date2, c.firstDayOfWeek), c.expected)
            << c.interval << " " << isoText(c.date1) << " -> " << isoText(c.date2);
    EXPECT_FALSE(dateDiff(Interval::Day, 3e6, 0));
}

TEST(DateMath, DatePartOfEachInterval) {
    const double moment = at(2024, 1, 5, 18, 30, 15); // a Friday
    struct Case {
        const char* interval;
        int firstDayOfWeek;
        int expected;
    };
    const Case cases[] = {
        {"yyyy", 1, 2024}, {"q", 1, 1}, {"m", 1, 1}, {"y", 1, 5},  {"d", 1, 5},  {"w", 1, 6},
        {"w", 2, 5},       {"w", 7, 7}, {"w", 0, 6}, {"h", 1, 18}, {"n", 1, 30}, {"s", 1, 15},
    };
    for (const auto& c : cases)
        EXPECT_EQ(datePart(interval(c.interval), moment, c.firstDayOfWeek), c.expected)
            << c.interval << " " << c.firstDayOfWeek;
    EXPECT_EQ(datePart(Interval::DayOfYear, at(2024, 12, 31)), 366);
    EXPECT_EQ(datePart(Interval::Quarter, at(2024, 10, 1)), 4);
    EXPECT_EQ(datePart(Interval::Hour, -1.25), 6);
    EXPECT_FALSE(datePart(Interval::Year, -1e9));
}

TEST(DateMath, WeekOfYearUnderEachFirstWeekRule) {
    struct Case {
        double date;
        int firstDayOfWeek;
        int firstWeekOfYear;
        int expected;
    };
    const Case cases[] = {
        {at(2024, 1, 1), 1, 1, 1},
        {at(2024, 1, 7), 1, 1, 2},
        {at(2024, 12, 31), 1, 1, 53},
        {at(2000, 12, 31), 1, 1, 54}, // leap year starting on a Saturday
        // First week with four days, weeks from Monday: the ISO numbering.
        {at(2003, 12, 29), 2, 2, 1},
        {at(2021, 1, 1), 2, 2, 53},
        {at(2020, 12, 28), 2, 2, 53},
        {at(2024, 12, 31), 2, 2, 1},
        // First full week, weeks from Sunday: 1/1/2024 is a Monday.
        {at(2024, 1, 1), 1, 3, 53},
        {at(2024, 1, 7), 1, 3, 1},
        {at(2023, 1, 1), 1, 3, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(datePart(Interval::Week, c.date, c.firstDayOfWeek, c.firstWeekOfYear), c.expected)
            << isoText(c.date) << " fdw " << c.firstDayOfWeek << " fwy " << c.firstWeekOfYear;
}

TEST(DateMath, WeekdayCountsFromTheChosenFirstDay) {
    EXPECT_EQ(weekday(at(2024, 1, 7)), 1);
    EXPECT_EQ(weekday(at(2024, 1, 7), 2), 7);
    EXPECT_EQ(weekday(at(2024, 1, 8), 2), 1);
    EXPECT_EQ(weekday(-1.25), 6);
    EXPECT_FALSE(weekday(1e9));
}

} // namespace
} // namespace tabulo::vbs::rt
