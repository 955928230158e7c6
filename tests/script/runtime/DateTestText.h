#pragma once
// Test helper: a serial written as "YYYY-MM-DD hh:mm:ss" (or "invalid"), so expected
// dates in the tables read at a glance.

#include "script/vbscript/runtime/DateSerial.h"

#include <cstdio>
#include <optional>
#include <string>

namespace tabulo::vbs::rt::test {

inline std::string isoText(std::optional<double> serial) {
    if (!serial) return "none";
    const auto p = splitDate(*serial);
    if (!p) return "invalid";
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p->year, p->month, p->day,
                  p->hour, p->minute, p->second);
    return text;
}

} // namespace tabulo::vbs::rt::test
