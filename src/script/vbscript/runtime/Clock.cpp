#include "script/vbscript/runtime/Clock.h"

#include <chrono>
#include <ctime>

namespace tabulo::vbs::rt {

namespace {

struct LocalMoment {
    DateParts parts;
    double fraction = 0; // of the current second
};

LocalMoment localMoment() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    if (const std::tm* converted = std::localtime(&seconds)) local = *converted;
    const auto sinceSecond = now - std::chrono::system_clock::from_time_t(seconds);
    LocalMoment moment;
    moment.parts = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                    local.tm_hour,        local.tm_min,     local.tm_sec > 59 ? 59 : local.tm_sec};
    moment.fraction = std::chrono::duration<double>(sinceSecond).count();
    return moment;
}

} // namespace

DateParts localNow() {
    return localMoment().parts;
}

double nowSerial() {
    return makeDate(localNow()).value_or(0.0);
}

double secondsSinceMidnight() {
    const LocalMoment m = localMoment();
    return m.parts.hour * 3600.0 + m.parts.minute * 60.0 + m.parts.second + m.fraction;
}

} // namespace tabulo::vbs::rt
