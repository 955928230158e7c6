// Conversions between serials, whole seconds and calendar parts, with the checks that
// keep every serial inside the valid range of dates.

#include "script/vbscript/runtime/DateSerial.h"

#include "base/Calendar.h"

#include <cmath>

namespace tabulo::vbs::rt {

int weekdayOf(std::int64_t day, int firstDayOfWeek) {
    const int first = firstDayOfWeek < 1 || firstDayOfWeek > 7 ? 1 : firstDayOfWeek;
    return (calendar::DayOfWeek(day) - first + 7) % 7 + 1;
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
    const calendar::Date date = calendar::DateOfDayNumber(day);
    return DateParts{date.Year,        date.Month,          date.Day,
                     timeOfDay / 3600, timeOfDay / 60 % 60, timeOfDay % 60};
}

std::optional<double> makeDate(const DateParts& p) {
    if (p.year < 100 || p.year > 9999 || p.day < 1 ||
        p.day > calendar::DaysInMonth(p.month, p.year))
        return std::nullopt;
    if (p.hour < 0 || p.hour > 23 || p.minute < 0 || p.minute > 59 || p.second < 0 || p.second > 59)
        return std::nullopt;
    const std::int64_t seconds = calendar::DayNumber(p.year, p.month, p.day) * kSecondsPerDay +
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
        calendar::DayNumber(static_cast<int>(normalYear), normalMonth, 1) + (std::int64_t{day} - 1);
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
