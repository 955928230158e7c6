#pragma once
// What RegExp.Execute returns: a Matches collection of Match objects, each with its
// SubMatches. All read-only; For Each walks them, Item (the default) indexes from 0.

#include "vbscript/ScriptObject.h"

#include <memory>
#include <string>
#include <vector>

namespace tabulo::vbs {

struct MatchFound {
    std::string value;
    int32_t firstIndex = 0;      // 0-based position in the searched text
    std::vector<Variant> groups; // each group's text, Empty when it took no part
};

std::shared_ptr<ScriptObject> makeMatches(std::vector<MatchFound> matches);

} // namespace tabulo::vbs
