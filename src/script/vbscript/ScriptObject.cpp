#include "vbscript/ScriptObject.h"

#include "vbscript/ScriptError.h"

namespace tabulo::vbs {

void ScriptObject::assign(std::string_view, ArgRefs, const Variant&, bool) {
    raiseError(err::NoSuchMember);
}

std::vector<Variant> ScriptObject::elements() {
    raiseError(err::NotACollection);
}

void releaseIteratively(std::vector<Variant>& values) {
    static std::vector<Variant> pending;
    static bool draining = false;
    for (Variant& v : values)
        if (v.isObject() || v.isArray()) pending.push_back(std::move(v));
    values.clear();
    if (draining) return;
    draining = true;
    while (!pending.empty()) {
        Variant last = std::move(pending.back());
        pending.pop_back();
    }
    draining = false;
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
