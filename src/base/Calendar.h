#pragma once
// The calendar, kept once for the whole program: leap years, month lengths and the day
// numbers that dates are counted by, days since 30 December 1899 (day 0; earlier days are
// negative), in the proleptic Gregorian calendar. The date checks of the data-entry window,
// the date picker, the browse grid's date sort and the script's date functions use it.

#include <cstdint>

namespace tabulo::calendar {

struct Date {
    int Year = 1899;
    int Month = 12; // 1 to 12
    int Day = 30;
};

bool IsLeapYear(int year);
// 28 to 31; 0 for a month outside 1 to 12 or a year outside 1 to 9999.
int DaysInMonth(int month, int year);

// The day number of a date with a month from 1 to 12; any year, any day (a day beyond the
// month counts on into the next ones).
std::int64_t DayNumber(int year, int month, int day);
Date DateOfDayNumber(std::int64_t dayNumber);

// 1 for Sunday to 7 for Saturday.
int DayOfWeek(std::int64_t dayNumber);

} // namespace tabulo::calendar
