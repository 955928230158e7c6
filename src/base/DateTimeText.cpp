#include "base/DateTimeText.h"

#include <cstdio>

namespace tabulo {

namespace {

// Formats three numbers as "aa<sep>bb<sep>cc..." with the widths given, zero-padded.
std::string Joined(int a, int b, int c, char sep, int lastWidth) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d%c%02d%c%0*d", a, sep, b, sep, lastWidth, c);
    return text;
}

} // namespace

std::string DateText(const LocalTime& now, int dateOrder) {
    return dateOrder == 2 ? Joined(now.Month, now.Day, now.Year, '/', 4)
                          : Joined(now.Day, now.Month, now.Year, '/', 4);
}

std::string TimeText(const LocalTime& now) {
    return Joined(now.Hour, now.Minute, now.Second, ':', 2);
}

} // namespace tabulo
