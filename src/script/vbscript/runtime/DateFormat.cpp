// Writes a date serial's parts as text piece by piece: short and long date in the
// date order, short and long time, and the general form that joins them.

#include "script/vbscript/runtime/DateFormat.h"

#include "base/Calendar.h"
#include "script/vbscript/runtime/DateNames.h"
#include "script/vbscript/runtime/DateParse.h"
#include "script/vbscript/runtime/DateSerial.h"

namespace tabulo::vbs::rt {

namespace {

std::string padded(int value, std::size_t width) {
    std::string text = std::to_string(value);
    return text.size() < width ? std::string(width - text.size(), '0') + text : text;
}

std::string shortDate(const DateParts& p, int order) {
    const std::string day = padded(p.day, 2);
    const std::string month = padded(p.month, 2);
    const std::string first = order == kMonthFirst ? month : day;
    const std::string second = order == kMonthFirst ? day : month;
    return first + "/" + second + "/" + padded(p.year, 4);
}

std::string longDate(const DateParts& p, int order) {
    const std::string weekday =
        weekdayName(weekdayOf(calendar::DayNumber(p.year, p.month, p.day)), false);
    const std::string month = monthName(p.month, false);
    if (order == kMonthFirst)
        return weekday + ", " + month + " " + std::to_string(p.day) + ", " + std::to_string(p.year);
    return weekday + ", " + std::to_string(p.day) + " " + month + " " + std::to_string(p.year);
}

std::string shortTime(const DateParts& p) {
    return padded(p.hour, 2) + ":" + padded(p.minute, 2);
}

std::string longTime(const DateParts& p) {
    return shortTime(p) + ":" + padded(p.second, 2);
}

std::string generalDate(const DateParts& p, int order) {
    const bool onZeroDay = p.year == 1899 && p.month == 12 && p.day == 30;
    const bool atMidnight = p.hour == 0 && p.minute == 0 && p.second == 0;
    if (onZeroDay) return longTime(p);
    if (atMidnight) return shortDate(p, order);
    return shortDate(p, order) + " " + longTime(p);
}

} // namespace

std::optional<std::string> formatDateTime(double serial, NamedFormat format, int order) {
    const auto parts = splitDate(serial);
    if (!parts) return std::nullopt;
    switch (format) {
    case NamedFormat::LongDate:
        return longDate(*parts, order);
    case NamedFormat::ShortDate:
        return shortDate(*parts, order);
    case NamedFormat::LongTime:
        return longTime(*parts);
    case NamedFormat::ShortTime:
        return shortTime(*parts);
    case NamedFormat::GeneralDate:
        break;
    }
    return generalDate(*parts, order);
}

std::optional<std::string> dateToString(double serial, int order) {
    return formatDateTime(serial, NamedFormat::GeneralDate, order);
}

} // namespace tabulo::vbs::rt
