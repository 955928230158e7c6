#pragma once
// What an engine keeps for the conversions and releases of its own calls: the date order
// and the queue that drops objects one after another. The engine makes its state current
// on the calling thread for each call (and while it tears its variables down), and the
// previous one comes back when the call ends, so two engines, nested or on two threads,
// never see each other's state.

#include "vbscript/Variant.h"

#include <vector>

namespace tabulo::vbs {

struct RunState {
    int dateOrder = 1; // 1 = DD/MM/YYYY, 2 = MM/DD/YYYY
    std::vector<Variant> releasing;
    bool draining = false;
};

// The state of the engine call in progress on this thread; null outside any.
RunState* currentRun();

class RunScope {
public:
    explicit RunScope(RunState& state);
    ~RunScope();
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    RunState* previous_;
};

} // namespace tabulo::vbs
