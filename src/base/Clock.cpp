#include "base/Clock.h"

#include <chrono>
#include <ctime>

namespace tabulo {

LocalTime CurrentLocalTime() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) return {};
    const std::chrono::duration<double> sinceSecond =
        now - std::chrono::system_clock::from_time_t(seconds);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec > 59 ? 59 : local.tm_sec,
            sinceSecond.count()};
}

} // namespace tabulo
