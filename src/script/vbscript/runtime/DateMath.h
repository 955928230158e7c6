#pragma once
// Date arithmetic of the built-ins DateAdd, DateDiff, DatePart and Weekday, on serials.
//
// Intervals: "yyyy" year, "q" quarter, "m" month, "y" day of year, "d" day, "w" weekday,
// "ww" week, "h" hour, "n" minute, "s" second (any case).
// - DateAdd of years, quarters and months keeps the day unless the target month is
//   shorter (31 Jan + 1 month = 29 Feb in a leap year); "y", "d" and "w" add days,
//   "ww" weeks; the number is first rounded half to even to a whole number.
// - DateDiff counts boundaries crossed, not elapsed periods: "yyyy" 31 Dec -> 1 Jan is 1;
//   "d"/"y" count midnights; "h"/"n" count hour/minute starts; "w" whole 7-day spans;
//   "ww" the firstdayofweek days after date1 up to and including date2.
// - DatePart "ww" numbers weeks with firstweekofyear: 1 (0) the week of 1 January,
//   2 the first week with at least four days of the year, 3 the first full week; days
//   before week 1 belong to the previous year's last week, and with 2 the last days of
//   December may belong to week 1 of the next year.
// firstDayOfWeek: 1 = Sunday .. 7 = Saturday, 0 (system) = Sunday.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tabulo::vbs::rt {

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

std::optional<Interval> parseInterval(std::string_view text);

// Weekday(date, firstdayofweek): 1..7; nullopt for an invalid date.
std::optional<int> weekday(double serial, int firstDayOfWeek = 1);

// nullopt when the date or the result lies outside the valid date range.
std::optional<double> dateAdd(Interval interval, double number, double serial);

// date2 - date1 in the interval's units (negative when date1 is later); nullopt for an
// invalid date. The caller checks that the count fits a Long. DateDiff's
// firstweekofyear argument changes no count, so it is not taken here.
std::optional<std::int64_t> dateDiff(Interval interval, double date1, double date2,
                                     int firstDayOfWeek = 1);

// nullopt for an invalid date.
std::optional<int> datePart(Interval interval, double serial, int firstDayOfWeek = 1,
                            int firstWeekOfYear = 1);

} // namespace tabulo::vbs::rt
