#include "dialogs/Pace.h"

namespace tabulo {

Pace::Pace(std::chrono::milliseconds interval, Clock now)
    : interval_(interval), now_(std::move(now)) {
}

bool Pace::Due() {
    const auto now = now_();
    if (started_ && now - last_ < interval_) return false;
    started_ = true;
    last_ = now;
    return true;
}

} // namespace tabulo
