#pragma once
// The texts of the Date (F12, Ctrl+T) and Time (F11, Ctrl+U) insertions, also given to
// scripts by Tb.GetDate and Tb.GetTime.

#include <string>

namespace tabulo {

struct LocalTime {
    int Year = 1;
    int Month = 1; // 1 to 12
    int Day = 1;
    int Hour = 0; // 0 to 23
    int Minute = 0;
    int Second = 0;
};

// The clock of this machine, in local time.
LocalTime CurrentLocalTime();

// Today's date: "MM/DD/YYYY" when the date order is 2, "DD/MM/YYYY" otherwise.
std::string DateText(const LocalTime& now, int dateOrder);

// The time of day as "hh:mm:ss" on the 24-hour clock, the form the time check accepts.
std::string TimeText(const LocalTime& now);

} // namespace tabulo
