#include "script/vbscript/runtime/DateSerial.h"

#include <cmath>

namespace tabulo::vbs::rt {

namespace {

constexpr std::int64_t kDaysFrom1970To1899 = 25569; // 1/1/1970 is day 25569

// Days since 1/1/1970 of a proleptic Gregorian date (H. Hinnant's civil algorithm).
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = floorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;
    const int shiftedMonth = m > 2 ? m - 3 : m + 9;
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + d - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

} // namespace

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && isLeapYear(year) ? 29 : kLengths[month - 1];
}

std::int64_t dayNumber(int year, int month, int day) {
    return daysFromCivil(year, month, day) + kDaysFrom1970To1899;
}

DateParts dateOfDayNumber(std::int64_t day) {
    const std::int64_t z = day - kDaysFrom1970To1899 + 719468;
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    DateParts parts;
    parts.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    parts.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    parts.year = static_cast<int>(yearOfEra + era * 400 + (parts.month <= 2 ? 1 : 0));
    parts.hour = parts.minute = parts.second = 0;
    return parts;
}

int weekdayOf(std::int64_t day, int firstDayOfWeek) {
    const int first = firstDayOfWeek < 1 || firstDayOfWeek > 7 ? 1 : firstDayOfWeek;
    // Day 0, 30/12/1899, was a Saturday.
    const auto fromSunday = static_cast<int>(day - floorDiv(day + 6, 7) * 7 + 6);
    return (fromSunday - (first - 1) + 7) % 7 + 1;
}

std::int64_t serialToSeconds(double serial) {
    // Far outside the valid range every value is equally invalid; clamping keeps the
    // conversion defined for any double, NaN included.
    constexpr double kLimitDays = 1e12;
    if (!(std::fabs(serial) < kLimitDays)) serial = serial > 0 ? kLimitDays : -kLimitDays;
    const double day = std::trunc(serial);
    const auto seconds = std::llround(std::fabs(serial - day) * kSecondsPerDay);
    return static_cast<std::int64_t>(day) * kSecondsPerDay + seconds;
}

double secondsToSerial(std::int64_t seconds) {
    const std::int64_t day = floorDiv(seconds, kSecondsPerDay);
    const double fraction = static_cast<double>(seconds - day * kSecondsPerDay) / kSecondsPerDay;
    return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

bool isValidSeconds(std::int64_t seconds) {
    const std::int64_t day = floorDiv(seconds, kSecondsPerDay);
    return day >= kFirstDay && day <= kLastDay;
}

bool isValidSerial(double serial) {
    // The outer bounds keep the conversion to seconds inside the integer range.
    if (!(serial > kFirstDay - 1.0 && serial < kLastDay + 1.0)) return false;
    return isValidSeconds(serialToSeconds(serial));
}

std::optional<DateParts> splitDate(double serial) {
    if (!isValidSerial(serial)) return std::nullopt;
    const std::int64_t seconds = serialToSeconds(serial);
    const std::int64_t day = floorDiv(seconds, kSecondsPerDay);
    const auto timeOfDay = static_cast<int>(seconds - day * kSecondsPerDay);
    DateParts parts = dateOfDayNumber(day);
    parts.hour = timeOfDay / 3600;
    parts.minute = timeOfDay / 60 % 60;
    parts.second = timeOfDay % 60;
    return parts;
}

std::optional<double> makeDate(const DateParts& p) {
    if (p.year < 100 || p.year > 9999 || p.day < 1 || p.day > daysInMonth(p.year, p.month))
        return std::nullopt;
    if (p.hour < 0 || p.hour > 23 || p.minute < 0 || p.minute > 59 || p.second < 0 || p.second > 59)
        return std::nullopt;
    const std::int64_t seconds = dayNumber(p.year, p.month, p.day) * kSecondsPerDay +
                                 p.hour * 3600 + p.minute * 60 + p.second;
    return secondsToSerial(seconds);
}

double datePartOf(double serial) {
    return static_cast<double>(floorDiv(serialToSeconds(serial), kSecondsPerDay));
}

double timePartOf(double serial) {
    const std::int64_t seconds = serialToSeconds(serial);
    return secondsToSerial(seconds - floorDiv(seconds, kSecondsPerDay) * kSecondsPerDay);
}

int expandTwoDigitYear(int year) {
    if (year >= 0 && year <= 29) return year + 2000;
    if (year >= 30 && year <= 99) return year + 1900;
    return year;
}

std::optional<double> dateSerial(int year, int month, int day) {
    const std::int64_t months = std::int64_t{expandTwoDigitYear(year)} * 12 + (month - 1);
    const std::int64_t normalYear = floorDiv(months, 12);
    if (normalYear < 99 || normalYear > 10000) return std::nullopt;
    const auto normalMonth = static_cast<int>(months - normalYear * 12 + 1);
    const std::int64_t result =
        dayNumber(static_cast<int>(normalYear), normalMonth, 1) + (std::int64_t{day} - 1);
    if (result < kFirstDay || result > kLastDay) return std::nullopt;
    return static_cast<double>(result);
}

std::optional<double> timeSerial(int hour, int minute, int second) {
    const std::int64_t seconds =
        std::int64_t{hour} * 3600 + std::int64_t{minute} * 60 + std::int64_t{second};
    if (!isValidSeconds(seconds)) return std::nullopt;
    return secondsToSerial(seconds);
}

} // namespace tabulo::vbs::rt
