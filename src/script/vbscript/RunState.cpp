// The engine state current on each thread, set and restored by RunScope.

#include "script/vbscript/RunState.h"

namespace tabulo::vbs {

namespace {
thread_local RunState* current = nullptr;
} // namespace

RunState* currentRun() {
    return current;
}

RunScope::RunScope(RunState& state) : previous_(current) {
    current = &state;
}

RunScope::~RunScope() {
    current = previous_;
}

} // namespace tabulo::vbs
