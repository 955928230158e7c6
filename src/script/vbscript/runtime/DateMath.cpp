// The date built-ins work on whole seconds and calendar parts: months are added on
// the calendar, days and times on the seconds, and weeks counted from the chosen
// first day of the week.

#include "script/vbscript/runtime/DateMath.h"

#include "base/Calendar.h"
#include "script/vbscript/runtime/DateSerial.h"
#include "script/vbscript/runtime/Rounding.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string>

namespace tabulo::vbs::rt {

namespace {

// A valid serial seen as a moment on the seconds timeline, its day and its parts.
struct Moment {
    std::int64_t seconds = 0;
    std::int64_t day = 0;
    DateParts parts;
};

std::optional<Moment> momentOf(double serial) {
    const auto parts = splitDate(serial);
    if (!parts) return std::nullopt;
    const std::int64_t seconds = serialToSeconds(serial);
    return Moment{seconds, floorDiv(seconds, kSecondsPerDay), *parts};
}

std::optional<double> addMonths(DateParts parts, std::int64_t months) {
    const std::int64_t total = std::int64_t{parts.year} * 12 + (parts.month - 1) + months;
    const std::int64_t year = floorDiv(total, 12);
    if (year < 100 || year > 9999) return std::nullopt;
    parts.year = static_cast<int>(year);
    parts.month = static_cast<int>(total - year * 12 + 1);
    parts.day = std::min(parts.day, calendar::DaysInMonth(parts.month, parts.year));
    return makeDate(parts);
}

std::optional<double> addSeconds(std::int64_t seconds, std::int64_t delta) {
    if (!isValidSeconds(seconds + delta)) return std::nullopt;
    return secondsToSerial(seconds + delta);
}

std::int64_t weekStart(std::int64_t day, int firstDayOfWeek) {
    return day - (weekdayOf(day, firstDayOfWeek) - 1);
}

// The first day of week 1 of a year under the firstweekofyear rule.
std::int64_t firstWeekStart(int year, int firstDayOfWeek, int firstWeekOfYear) {
    const std::int64_t jan1 = calendar::DayNumber(year, 1, 1);
    const std::int64_t start = weekStart(jan1, firstDayOfWeek);
    if (firstWeekOfYear == 2 && jan1 - start > 3) return start + 7; // under 4 days in the year
    if (firstWeekOfYear == 3 && start != jan1) return start + 7;    // not a full week
    return start;
}

int weekOfYear(const Moment& m, int firstDayOfWeek, int firstWeekOfYear) {
    const int year = m.parts.year;
    if (firstWeekOfYear == 2 && m.day >= firstWeekStart(year + 1, firstDayOfWeek, 2)) return 1;
    std::int64_t start = firstWeekStart(year, firstDayOfWeek, firstWeekOfYear);
    if (m.day < start) start = firstWeekStart(year - 1, firstDayOfWeek, firstWeekOfYear);
    return static_cast<int>((m.day - start) / 7 + 1);
}

int quarterOf(int month) {
    return (month - 1) / 3 + 1;
}

} // namespace

std::optional<Interval> parseInterval(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, Interval>, 10> kNames = {{
        {"yyyy", Interval::Year},
        {"q", Interval::Quarter},
        {"m", Interval::Month},
        {"y", Interval::DayOfYear},
        {"d", Interval::Day},
        {"w", Interval::Weekday},
        {"ww", Interval::Week},
        {"h", Interval::Hour},
        {"n", Interval::Minute},
        {"s", Interval::Second},
    }};
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const auto& [name, interval] : kNames)
        if (lower == name) return interval;
    return std::nullopt;
}

std::optional<int> weekday(double serial, int firstDayOfWeek) {
    const auto m = momentOf(serial);
    if (!m) return std::nullopt;
    return weekdayOf(m->day, firstDayOfWeek);
}

std::optional<double> dateAdd(Interval interval, double number, double serial) {
    const auto m = momentOf(serial);
    const double count = roundHalfEven(number);
    // Far beyond the 10,000-year range in any unit; keeps the products in range.
    if (!m || !(std::fabs(count) < 1e10)) return std::nullopt;
    const auto n = static_cast<std::int64_t>(count);
    switch (interval) {
    case Interval::Year:
        return addMonths(m->parts, n * 12);
    case Interval::Quarter:
        return addMonths(m->parts, n * 3);
    case Interval::Month:
        return addMonths(m->parts, n);
    case Interval::Week:
        return addSeconds(m->seconds, n * 7 * kSecondsPerDay);
    case Interval::Hour:
        return addSeconds(m->seconds, n * 3600);
    case Interval::Minute:
        return addSeconds(m->seconds, n * 60);
    case Interval::Second:
        return addSeconds(m->seconds, n);
    case Interval::DayOfYear:
    case Interval::Day:
    case Interval::Weekday:
        break;
    }
    return addSeconds(m->seconds, n * kSecondsPerDay);
}

std::optional<std::int64_t> dateDiff(Interval interval, double date1, double date2,
                                     int firstDayOfWeek) {
    const auto a = momentOf(date1);
    const auto b = momentOf(date2);
    if (!a || !b) return std::nullopt;
    const DateParts& p = a->parts;
    const DateParts& q = b->parts;
    switch (interval) {
    case Interval::Year:
        return q.year - p.year;
    case Interval::Quarter:
        return (q.year * 4 + quarterOf(q.month)) - (p.year * 4 + quarterOf(p.month));
    case Interval::Month:
        return (q.year * 12 + q.month) - (p.year * 12 + p.month);
    case Interval::Weekday:
        return (b->day - a->day) / 7;
    case Interval::Week:
        return (weekStart(b->day, firstDayOfWeek) - weekStart(a->day, firstDayOfWeek)) / 7;
    case Interval::Hour:
        return floorDiv(b->seconds, 3600) - floorDiv(a->seconds, 3600);
    case Interval::Minute:
        return floorDiv(b->seconds, 60) - floorDiv(a->seconds, 60);
    case Interval::Second:
        return b->seconds - a->seconds;
    case Interval::DayOfYear:
    case Interval::Day:
        break;
    }
    return b->day - a->day;
}

std::optional<int> datePart(Interval interval, double serial, int firstDayOfWeek,
                            int firstWeekOfYear) {
    const auto m = momentOf(serial);
    if (!m) return std::nullopt;
    const DateParts& p = m->parts;
    switch (interval) {
    case Interval::Year:
        return p.year;
    case Interval::Quarter:
        return quarterOf(p.month);
    case Interval::Month:
        return p.month;
    case Interval::DayOfYear:
        return static_cast<int>(m->day - calendar::DayNumber(p.year, 1, 1) + 1);
    case Interval::Weekday:
        return weekdayOf(m->day, firstDayOfWeek);
    case Interval::Week:
        return weekOfYear(*m, firstDayOfWeek, firstWeekOfYear);
    case Interval::Hour:
        return p.hour;
    case Interval::Minute:
        return p.minute;
    case Interval::Second:
        return p.second;
    case Interval::Day:
        break;
    }
    return p.day;
}

} // namespace tabulo::vbs::rt
