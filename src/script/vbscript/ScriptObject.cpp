// The defaults every script object shares (no assignable members, no For Each), the
// release queue that frees long chains of objects without deep recursion, and the
// case-insensitive name comparison of members and variables.

#include "vbscript/ScriptObject.h"

#include "script/vbscript/RunState.h"
#include "vbscript/ScriptError.h"

namespace tabulo::vbs {

void ScriptObject::assign(std::string_view, ArgRefs, const Variant&, bool) {
    raiseError(err::NoSuchMember);
}

std::vector<Variant> ScriptObject::elements() {
    raiseError(err::NotACollection);
}

// Values freed while the queue drains join it instead of nesting deeper. Outside any
// engine call the outermost release drains a queue of its own.
void releaseIteratively(std::vector<Variant>& values) {
    RunState* run = currentRun();
    if (!run) {
        RunState own;
        RunScope scope(own);
        releaseIteratively(values);
        return;
    }
    for (Variant& v : values)
        if (v.isObject() || v.isArray()) run->releasing.push_back(std::move(v));
    values.clear();
    if (run->draining) return;
    run->draining = true;
    while (!run->releasing.empty()) {
        Variant last = std::move(run->releasing.back());
        run->releasing.pop_back();
    }
    run->draining = false;
}

static char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

std::string lowerName(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        c = lowerAscii(c);
    return out;
}

} // namespace tabulo::vbs
