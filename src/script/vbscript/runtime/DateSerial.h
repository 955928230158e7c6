#pragma once
// Date serials as the script language keeps them: a double counting days since
// 30 December 1899, its fraction the time of day. For negative serials the integer
// part is still the day and the fraction counts the time forward in magnitude:
// -1.25 is 29 December 1899 06:00. Valid dates run from 1 January 100 to
// 31 December 9999. Time is resolved to whole seconds, as the built-ins show it.
//
// Offers: serial <-> parts, serial <-> a linear count of seconds (the timeline the
// arithmetic works on), and DateSerial/TimeSerial with the script's normalisation of
// out-of-range parts. The calendar itself (day numbers, month lengths) is the program's
// one calendar in base/Calendar.h.

#include <cstdint>
#include <optional>

namespace tabulo::vbs::rt {

inline constexpr std::int64_t kFirstDay = -657434; // 1 January 100
inline constexpr std::int64_t kLastDay = 2958465;  // 31 December 9999
inline constexpr int kSecondsPerDay = 86400;

struct DateParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Integer division rounding toward minus infinity (b > 0): days and hours of moments
// before 30/12/1899 count downward.
inline std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}

// Day of the week of a day number, 1..7 counted from firstDayOfWeek (1 = Sunday ..
// 7 = Saturday; 0, the system's choice, is Sunday).
int weekdayOf(std::int64_t day, int firstDayOfWeek = 1);

// Serial -> seconds since 30/12/1899 00:00 on a straight timeline (rounded to the
// second) and back. The day of a moment is floor(seconds / 86400).
std::int64_t serialToSeconds(double serial);
double secondsToSerial(std::int64_t seconds);

// True when the serial lies between 1/1/100 00:00:00 and 31/12/9999 23:59:59.
bool isValidSerial(double serial);
bool isValidSeconds(std::int64_t seconds);

// The parts of a serial; nullopt outside the valid range.
std::optional<DateParts> splitDate(double serial);
// The serial of exact parts (no normalisation); nullopt when any part is out of range.
std::optional<double> makeDate(const DateParts& parts);

// The date part of a serial (midnight of its day) and its time part (a serial on
// 30/12/1899), as DateValue and TimeValue return them.
double datePartOf(double serial);
double timePartOf(double serial);

// Two-digit years: 0..29 are 2000..2029, 30..99 are 1930..1999; others unchanged.
int expandTwoDigitYear(int year);

// DateSerial: months outside 1..12 carry into the year, days outside the month carry
// into the months (day 0 is the last day of the previous month); years 0..99 are
// two-digit years. nullopt when the result is outside the valid range.
std::optional<double> dateSerial(int year, int month, int day);
// TimeSerial: hours, minutes and seconds are summed, so any of them may overflow or
// be negative; the result may fall on another day than 30/12/1899.
std::optional<double> timeSerial(int hour, int minute, int second);

} // namespace tabulo::vbs::rt
