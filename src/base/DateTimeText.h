#pragma once
// The texts of the Date (F12, Ctrl+T) and Time (F11, Ctrl+U) insertions, also given to
// scripts by Tb.GetDate and Tb.GetTime.

#include "base/Clock.h"

#include <string>

namespace tabulo {

// Today's date: "MM/DD/YYYY" when the date order is 2, "DD/MM/YYYY" otherwise.
std::string DateText(const LocalTime& now, int dateOrder);

// The time of day as "hh:mm:ss" on the 24-hour clock, the form the time check accepts.
std::string TimeText(const LocalTime& now);

} // namespace tabulo
