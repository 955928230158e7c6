// Reads the program's one clock (base/Clock) and hands it over as date parts, a date
// serial or seconds since midnight.

#include "script/vbscript/runtime/Clock.h"

#include "base/Clock.h"

namespace tabulo::vbs::rt {

DateParts localNow() {
    const LocalTime now = CurrentLocalTime();
    return {now.Year, now.Month, now.Day, now.Hour, now.Minute, now.Second};
}

double nowSerial() {
    return makeDate(localNow()).value_or(0.0);
}

double secondsSinceMidnight() {
    const LocalTime now = CurrentLocalTime();
    return now.Hour * 3600.0 + now.Minute * 60.0 + now.Second + now.Fraction;
}

} // namespace tabulo::vbs::rt
