#include "base/Calendar.h"

namespace tabulo::calendar {

namespace {

// The civil-date algorithm counts from 1 March 0000, whose day number is this.
constexpr std::int64_t kDayOfMarch0000 = -693899;
constexpr std::int64_t kDaysPer400Years = 146097;

// Division rounding toward minus infinity (b > 0), so that years before 0 count downward.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}

} // namespace

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int month, int year) {
    if (year < 1 || year > 9999 || month < 1 || month > 12) return 0;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Years start on 1 March, so that the leap day ends the year; eras are 400 years long.
std::int64_t DayNumber(int year, int month, int day) {
    const std::int64_t y = std::int64_t{year} - (month <= 2 ? 1 : 0);
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;
    const int monthFromMarch = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * kDaysPer400Years + dayOfEra + kDayOfMarch0000;
}

Date DateOfDayNumber(std::int64_t dayNumber) {
    const std::int64_t fromMarch0000 = dayNumber - kDayOfMarch0000;
    const std::int64_t era = FloorDiv(fromMarch0000, kDaysPer400Years);
    const std::int64_t dayOfEra = fromMarch0000 - era * kDaysPer400Years;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    Date date;
    date.Day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    date.Month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    date.Year = static_cast<int>(yearOfEra + era * 400 + (date.Month <= 2 ? 1 : 0));
    return date;
}

// Day 0, 30 December 1899, was a Saturday.
int DayOfWeek(std::int64_t dayNumber) {
    return static_cast<int>(dayNumber - FloorDiv(dayNumber + 6, 7) * 7) + 7;
}

} // namespace tabulo::calendar
