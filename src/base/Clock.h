#pragma once
// The machine's clock in local time, read in this one place: the Date and Time insertions,
// the date picker's today and the script's Now, Date, Time and Timer all come from here.

namespace tabulo {

struct LocalTime {
    int Year = 1;
    int Month = 1; // 1 to 12
    int Day = 1;
    int Hour = 0; // 0 to 23
    int Minute = 0;
    int Second = 0;        // 0 to 59; a leap second counts as 59
    double Fraction = 0.0; // of the current second, for timers
};

LocalTime CurrentLocalTime();

} // namespace tabulo
