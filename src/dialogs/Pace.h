#pragma once
// Pace: lets a costly step of a long loop (a repaint, a round of window events) happen at most
// once per interval, however often the loop asks. The first ask of a run is always granted,
// so a run shows itself and hears its events at once.

#include <chrono>
#include <functional>

namespace tabulo {

class Pace {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // About 30 times a second: smooth for the eye, cheap for a loop over many records.
    static constexpr std::chrono::milliseconds kFrame{33};

    explicit Pace(std::chrono::milliseconds interval = kFrame,
                  Clock now = &std::chrono::steady_clock::now);

    // True when the step may happen now; it then counts as done.
    bool Due();
    // Starts a new run: the next ask is granted.
    void Restart() { started_ = false; }

private:
    std::chrono::milliseconds interval_;
    Clock now_;
    bool started_ = false;
    std::chrono::steady_clock::time_point last_{};
};

} // namespace tabulo
