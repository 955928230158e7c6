// The table of built-in functions and named constants.

#include "script/vbscript/Builtins.h"

#include <unordered_map>

namespace tabulo::vbs {

namespace {

Builtin constant(const char* name, Variant value) {
    return {name, 0, 0, nullptr, std::move(value)};
}
Builtin integerConstant(const char* name, int16_t v) {
    return constant(name, Variant::integer(v));
}

} // namespace

void addConstants(std::vector<Builtin>& out) {
    out.push_back(constant("vbcrlf", Variant("\r\n")));
    out.push_back(constant("vbnewline", Variant("\r\n")));
    out.push_back(constant("vbcr", Variant("\r")));
    out.push_back(constant("vblf", Variant("\n")));
    out.push_back(constant("vbtab", Variant("\t")));
    out.push_back(constant("vbformfeed", Variant("\f")));
    out.push_back(constant("vbverticaltab", Variant("\v")));
    out.push_back(constant("vbnullchar", Variant(std::string(1, '\0'))));
    out.push_back(constant("vbnullstring", Variant("")));
    out.push_back(constant("vbobjecterror", Variant::lng(-2147221504)));
    out.push_back(integerConstant("vbtrue", -1));
    out.push_back(integerConstant("vbfalse", 0));
    out.push_back(integerConstant("vbusedefault", -2));
    const std::pair<const char*, int16_t> numbers[] = {
        {"vbokonly", 0},
        {"vbokcancel", 1},
        {"vbabortretryignore", 2},
        {"vbyesnocancel", 3},
        {"vbyesno", 4},
        {"vbretrycancel", 5},
        {"vbcritical", 16},
        {"vbquestion", 32},
        {"vbexclamation", 48},
        {"vbinformation", 64},
        {"vbdefaultbutton1", 0},
        {"vbdefaultbutton2", 256},
        {"vbdefaultbutton3", 512},
        {"vbdefaultbutton4", 768},
        {"vbapplicationmodal", 0},
        {"vbsystemmodal", 4096},
        {"vbok", 1},
        {"vbcancel", 2},
        {"vbabort", 3},
        {"vbretry", 4},
        {"vbignore", 5},
        {"vbyes", 6},
        {"vbno", 7},
        {"vbbinarycompare", 0},
        {"vbtextcompare", 1},
        {"vbdatabasecompare", 2},
        {"vbsunday", 1},
        {"vbmonday", 2},
        {"vbtuesday", 3},
        {"vbwednesday", 4},
        {"vbthursday", 5},
        {"vbfriday", 6},
        {"vbsaturday", 7},
        {"vbusesystem", 0},
        {"vbusesystemdayofweek", 0},
        {"vbfirstjan1", 1},
        {"vbfirstfourdays", 2},
        {"vbfirstfullweek", 3},
        {"vbgeneraldate", 0},
        {"vblongdate", 1},
        {"vbshortdate", 2},
        {"vblongtime", 3},
        {"vbshorttime", 4},
        {"vbempty", 0},
        {"vbnull", 1},
        {"vbinteger", 2},
        {"vblong", 3},
        {"vbsingle", 4},
        {"vbdouble", 5},
        {"vbcurrency", 6},
        {"vbdate", 7},
        {"vbstring", 8},
        {"vbobject", 9},
        {"vberror", 10},
        {"vbboolean", 11},
        {"vbvariant", 12},
        {"vbdataobject", 13},
        {"vbdecimal", 14},
        {"vbbyte", 17},
        {"vbarray", 8192},
    };
    for (const auto& [name, value] : numbers)
        out.push_back(integerConstant(name, value));
    // Colours (blue in the high byte, red in the low) and the message-box flags that do
    // not fit an Integer are Longs.
    const std::pair<const char*, int32_t> longs[] = {
        {"vbblack", 0x000000},         {"vbred", 0x0000FF},
        {"vbgreen", 0x00FF00},         {"vbyellow", 0x00FFFF},
        {"vbblue", 0xFF0000},          {"vbmagenta", 0xFF00FF},
        {"vbcyan", 0xFFFF00},          {"vbwhite", 0xFFFFFF},
        {"vbmsgboxhelpbutton", 16384}, {"vbmsgboxsetforeground", 65536},
        {"vbmsgboxright", 524288},     {"vbmsgboxrtlreading", 1048576},
    };
    for (const auto& [name, value] : longs)
        out.push_back(constant(name, Variant::lng(value)));
}

const Builtin* findBuiltin(const std::string& lower) {
    static const std::unordered_map<std::string, Builtin> table = [] {
        std::vector<Builtin> all;
        addStringBuiltins(all);
        addMathBuiltins(all);
        addConversionBuiltins(all);
        addDateBuiltins(all);
        addInspectionBuiltins(all);
        addConstants(all);
        addDynamicBuiltins(all);
        std::unordered_map<std::string, Builtin> map;
        for (Builtin& b : all)
            map.emplace(b.name, std::move(b));
        return map;
    }();
    auto it = table.find(lower);
    return it == table.end() ? nullptr : &it->second;
}

} // namespace tabulo::vbs
