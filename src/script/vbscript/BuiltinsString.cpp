// String functions. Text is Windows-1252: one byte per character.

#include "base/CodePage.h"
#include "base/TextCase.h"
#include "script/vbscript/Builtins.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/Limits.h"
#include "script/vbscript/Nodes.h"
#include "vbscript/ScriptError.h"

#include <algorithm>

namespace tabulo::vbs {

namespace {

const Variant& arg(ArgRefs a, size_t i) {
    return *a[i];
}

// A number argument: Null is "Invalid use of Null", text that is no number a type mismatch.
int32_t number(const Variant& v) {
    if (v.isNull()) raiseError(err::InvalidUseOfNull);
    return toLong(v);
}

// The compare mode: 0 (vbBinaryCompare, the default) or 1 (vbTextCompare); true for text.
bool textMode(ArgRefs a, size_t i) {
    const Variant* v = optionalArg(a, i);
    if (!v) return false;
    int32_t mode = number(*v);
    if (mode != 0 && mode != 1) raiseError(err::InvalidCall);
    return mode == 1;
}

int32_t nonNegative(const Variant& v) {
    int32_t n = number(v);
    if (n < 0) raiseError(err::InvalidCall);
    return n;
}

// A text argument where Null is refused.
std::string textArg(const Variant& v) {
    if (v.isNull()) raiseError(err::InvalidUseOfNull);
    return toString(v);
}

size_t findText(const std::string& s, const std::string& what, size_t from, bool text) {
    if (!text) return s.find(what, from);
    return UpperText(s).find(UpperText(what), from);
}

size_t findTextBackwards(const std::string& s, const std::string& what, size_t from, bool text) {
    if (!text) return s.rfind(what, from);
    return UpperText(s).rfind(UpperText(what), from);
}

Variant fnLen(Interpreter&, ArgRefs a) {
    if (arg(a, 0).isNull()) return Variant::null();
    if (arg(a, 0).isString()) return Variant::lng(static_cast<int32_t>(arg(a, 0).str().size()));
    return Variant::lng(static_cast<int32_t>(toString(arg(a, 0)).size()));
}

// Left, Right and Mid check their counts first: a Null string then gives Null.
Variant fnLeft(Interpreter&, ArgRefs a) {
    size_t n = static_cast<size_t>(nonNegative(arg(a, 1)));
    if (arg(a, 0).isNull()) return Variant::null();
    const std::string& s = arg(a, 0).isString() ? arg(a, 0).str() : toString(arg(a, 0));
    return Variant(s.substr(0, n));
}

Variant fnRight(Interpreter&, ArgRefs a) {
    size_t n = static_cast<size_t>(nonNegative(arg(a, 1)));
    if (arg(a, 0).isNull()) return Variant::null();
    std::string s = toString(arg(a, 0));
    return Variant(n >= s.size() ? s : s.substr(s.size() - n));
}

Variant fnMid(Interpreter&, ArgRefs a) {
    const Variant* lenArg = optionalArg(a, 2);
    if (lenArg && lenArg->isNull()) raiseError(err::InvalidUseOfNull);
    int32_t start = number(arg(a, 1));
    if (start < 1) raiseError(err::InvalidCall);
    size_t len = lenArg ? static_cast<size_t>(nonNegative(*lenArg)) : std::string::npos;
    if (arg(a, 0).isNull()) return Variant::null();
    if (arg(a, 0).isString()) {
        const std::string& s = arg(a, 0).str();
        size_t from = static_cast<size_t>(start) - 1;
        return Variant(from >= s.size() ? std::string() : s.substr(from, len));
    }
    std::string s = toString(arg(a, 0));
    size_t from = static_cast<size_t>(start) - 1;
    return Variant(from >= s.size() ? std::string() : s.substr(from, len));
}

// InStr([start,] string, find[, compare]): a Null string or find gives Null.
Variant fnInStr(Interpreter&, ArgRefs a) {
    size_t first = a.size() >= 3 ? 1 : 0;
    int32_t start = first ? number(arg(a, 0)) : 1;
    bool text = a.size() == 4 && textMode(a, 3);
    if (start < 1) raiseError(err::InvalidCall);
    if (arg(a, first).isNull() || arg(a, first + 1).isNull()) return Variant::null();
    std::string s = toString(arg(a, first)), what = toString(arg(a, first + 1));
    if (static_cast<size_t>(start) > s.size()) return Variant::lng(0);
    size_t at = findText(s, what, static_cast<size_t>(start) - 1, text);
    return Variant::lng(at == std::string::npos ? 0 : static_cast<int32_t>(at) + 1);
}

// InStrRev(string, find[, start[, compare]]): unlike InStr, Null anywhere is refused. An
// empty find is found at the start.
Variant fnInStrRev(Interpreter&, ArgRefs a) {
    std::string s = textArg(arg(a, 0)), what = textArg(arg(a, 1));
    const Variant* startArg = optionalArg(a, 2);
    int32_t start = startArg ? number(*startArg) : -1;
    bool textCompare = textMode(a, 3);
    if (start == 0 || start < -1) raiseError(err::InvalidCall);
    if (start == -1) start = static_cast<int32_t>(s.size());
    if (static_cast<size_t>(start) > s.size()) return Variant::lng(0);
    if (what.empty()) return Variant::lng(start);
    if (what.size() > static_cast<size_t>(start)) return Variant::lng(0);
    size_t at = findTextBackwards(s, what, static_cast<size_t>(start) - what.size(), textCompare);
    return Variant::lng(at == std::string::npos ? 0 : static_cast<int32_t>(at) + 1);
}

// Replace refuses Null in every argument, the string included.
Variant fnReplace(Interpreter&, ArgRefs a) {
    std::string s = textArg(arg(a, 0)), what = textArg(arg(a, 1)), with = textArg(arg(a, 2));
    const Variant* startArg = optionalArg(a, 3);
    const Variant* countArg = optionalArg(a, 4);
    int32_t start = startArg ? number(*startArg) : 1;
    int32_t count = countArg ? number(*countArg) : -1;
    bool textCompare = textMode(a, 5);
    if (start < 1 || count < -1) raiseError(err::InvalidCall);
    if (static_cast<size_t>(start) > s.size()) return Variant(std::string());
    s.erase(0, static_cast<size_t>(start) - 1);
    if (what.empty() || count == 0) return Variant(s);
    std::string out;
    size_t pos = 0;
    for (int32_t done = 0; count < 0 || done < count; ++done) {
        size_t at = findText(s, what, pos, textCompare);
        if (at == std::string::npos) break;
        out.append(s, pos, at - pos);
        out += with;
        checkStringLength(out.size());
        pos = at + what.size();
    }
    out.append(s, pos, std::string::npos);
    return Variant(std::move(out));
}

Variant trimmed(ArgRefs a, bool left, bool right) {
    if (arg(a, 0).isNull()) return Variant::null();
    std::string s = toString(arg(a, 0));
    size_t b = 0, e = s.size();
    if (left)
        while (b < e && s[b] == ' ')
            ++b;
    if (right)
        while (e > b && s[e - 1] == ' ')
            --e;
    return Variant(s.substr(b, e - b));
}
Variant fnTrim(Interpreter&, ArgRefs a) {
    return trimmed(a, true, true);
}
Variant fnLTrim(Interpreter&, ArgRefs a) {
    return trimmed(a, true, false);
}
Variant fnRTrim(Interpreter&, ArgRefs a) {
    return trimmed(a, false, true);
}

Variant fnUCase(Interpreter&, ArgRefs a) {
    return arg(a, 0).isNull() ? Variant::null() : Variant(UpperText(toString(arg(a, 0))));
}
Variant fnLCase(Interpreter&, ArgRefs a) {
    return arg(a, 0).isNull() ? Variant::null() : Variant(LowerText(toString(arg(a, 0))));
}

Variant stringArray(std::vector<std::string> parts) {
    auto arr = makeArray({static_cast<int32_t>(parts.size()) - 1});
    for (size_t i = 0; i < parts.size(); ++i)
        arr->values[i] = Variant(std::move(parts[i]));
    return Variant::array(std::move(arr));
}

Variant fnSplit(Interpreter&, ArgRefs a) {
    std::string s = textArg(arg(a, 0));
    const Variant* delimArg = optionalArg(a, 1);
    std::string delim = delimArg ? textArg(*delimArg) : " ";
    const Variant* countArg = optionalArg(a, 2);
    int32_t count = countArg ? number(*countArg) : -1;
    bool textCompare = textMode(a, 3);
    if (count < -1) raiseError(err::InvalidCall);
    std::vector<std::string> parts;
    if (s.empty() || count == 0) return stringArray(parts);
    if (delim.empty()) return stringArray({s});
    size_t pos = 0;
    while (count < 0 || static_cast<int32_t>(parts.size()) < count - 1) {
        size_t at = findText(s, delim, pos, textCompare);
        if (at == std::string::npos) break;
        parts.push_back(s.substr(pos, at - pos));
        pos = at + delim.size();
        if (parts.size() > kMaxArrayElements) raiseError(err::OutOfMemory);
    }
    parts.push_back(s.substr(pos));
    return stringArray(std::move(parts));
}

// Join: a Null list is an invalid use of Null; a Null element has no text (type mismatch).
Variant fnJoin(Interpreter&, ArgRefs a) {
    if (arg(a, 0).isNull()) raiseError(err::InvalidUseOfNull);
    if (arg(a, 0).isObject()) raiseError(err::NoSuchMember);
    if (!arg(a, 0).isArray() || arg(a, 0).arr()->upper.size() > 1) raiseError(err::TypeMismatch);
    const Variant* delimArg = optionalArg(a, 1);
    std::string delim = delimArg ? textArg(*delimArg) : " ";
    std::string out;
    const auto& values = arg(a, 0).arr()->values;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i) out += delim;
        if (values[i].isNull()) raiseError(err::TypeMismatch);
        appendText(out, values[i]);
        checkStringLength(out.size());
    }
    return Variant(std::move(out));
}

Variant fnStrComp(Interpreter&, ArgRefs a) {
    if (arg(a, 0).isNull() || arg(a, 1).isNull()) return Variant::null();
    int c = compareText(toString(arg(a, 0)), toString(arg(a, 1)), textMode(a, 2));
    return Variant::integer(static_cast<int16_t>(c));
}

Variant repeated(int32_t n, char c) {
    if (n < 0) raiseError(err::InvalidCall);
    checkStringLength(static_cast<size_t>(n));
    return Variant(std::string(static_cast<size_t>(n), c));
}

Variant fnSpace(Interpreter&, ArgRefs a) {
    return repeated(toLong(arg(a, 0)), ' ');
}

Variant fnString(Interpreter&, ArgRefs a) {
    if (arg(a, 0).isNull() || arg(a, 1).isNull()) return Variant::null();
    const Variant& ch = arg(a, 1);
    char c;
    if (ch.isString()) {
        if (ch.str().empty()) raiseError(err::InvalidCall);
        c = ch.str()[0];
    } else {
        c = static_cast<char>(toLong(ch) & 0xFF);
    }
    return repeated(toLong(arg(a, 0)), c);
}

Variant fnChr(Interpreter&, ArgRefs a) {
    int32_t code = toLong(arg(a, 0));
    if (code < 0 || code > 255) raiseError(err::InvalidCall);
    return Variant(std::string(1, static_cast<char>(code)));
}

Variant fnAsc(Interpreter&, ArgRefs a) {
    std::string s = toString(arg(a, 0));
    if (s.empty()) raiseError(err::InvalidCall);
    return Variant::integer(static_cast<int16_t>(static_cast<unsigned char>(s[0])));
}

// The wide forms speak Unicode; text here is Windows-1252, so a character the code page
// cannot hold becomes "?", as it does everywhere text enters the program.
Variant fnChrW(Interpreter&, ArgRefs a) {
    int32_t code = toLong(arg(a, 0));
    if (code < -32768 || code > 65535) raiseError(err::InvalidCall);
    if (code < 0) code += 65536;
    return Variant(std::string(1, CodePointToCp1252(static_cast<char32_t>(code))));
}

Variant fnAscW(Interpreter&, ArgRefs a) {
    std::string s = toString(arg(a, 0));
    if (s.empty()) raiseError(err::InvalidCall);
    return Variant::integer(
        static_cast<int16_t>(Cp1252ToCodePoint(static_cast<unsigned char>(s[0]))));
}

Variant fnStrReverse(Interpreter&, ArgRefs a) {
    if (arg(a, 0).isNull()) raiseError(err::InvalidUseOfNull);
    std::string s = toString(arg(a, 0));
    std::reverse(s.begin(), s.end());
    return Variant(std::move(s));
}

Variant fnFilter(Interpreter&, ArgRefs a) {
    if (!arg(a, 0).isArray() || arg(a, 0).arr()->upper.size() != 1) raiseError(err::TypeMismatch);
    std::string what = textArg(arg(a, 1));
    const Variant* includeArg = optionalArg(a, 2);
    bool include = includeArg ? toBool(*includeArg) : true;
    bool textCompare = textMode(a, 3);
    std::vector<std::string> kept;
    for (const Variant& v : arg(a, 0).arr()->values) {
        std::string s = toString(v);
        if ((findText(s, what, 0, textCompare) != std::string::npos) == include)
            kept.push_back(std::move(s));
    }
    return stringArray(std::move(kept));
}

} // namespace

void addStringBuiltins(std::vector<Builtin>& out) {
    out.insert(out.end(), {
                              {"len", 1, 1, fnLen},         {"left", 2, 2, fnLeft},
                              {"right", 2, 2, fnRight},     {"mid", 2, 3, fnMid},
                              {"instr", 2, 4, fnInStr},     {"instrrev", 2, 4, fnInStrRev},
                              {"replace", 3, 6, fnReplace}, {"trim", 1, 1, fnTrim},
                              {"ltrim", 1, 1, fnLTrim},     {"rtrim", 1, 1, fnRTrim},
                              {"ucase", 1, 1, fnUCase},     {"lcase", 1, 1, fnLCase},
                              {"split", 1, 4, fnSplit},     {"join", 1, 2, fnJoin},
                              {"strcomp", 2, 3, fnStrComp}, {"space", 1, 1, fnSpace},
                              {"string", 2, 2, fnString},   {"chr", 1, 1, fnChr},
                              {"chrw", 1, 1, fnChrW},       {"asc", 1, 1, fnAsc},
                              {"ascw", 1, 1, fnAscW},       {"strreverse", 1, 1, fnStrReverse},
                              {"filter", 2, 4, fnFilter},
                          });
}

} // namespace tabulo::vbs
