#pragma once
// The local wall clock as the date built-ins see it: Now, Date, Time and Timer.

#include "script/vbscript/runtime/DateSerial.h"

namespace tabulo::vbs::rt {

// The local date and time, to the second.
DateParts localNow();
// Now as a serial; Date and Time are its datePartOf / timePartOf.
double nowSerial();
// Timer: seconds since local midnight, with the fraction of the current second.
double secondsSinceMidnight();

} // namespace tabulo::vbs::rt
