#pragma once
// The language's built-in functions and named constants (vbCrLf, vbOK...).

#include "vbscript/ScriptObject.h"

#include <string>

namespace tabulo::vbs {

class Interpreter;
struct Context;

using BuiltinFn = Variant (*)(Interpreter& in, ArgRefs args);
// For the few built-ins that work in the caller's scope (Execute, Eval).
using ScopedBuiltinFn = Variant (*)(Context& c, ArgRefs args);

struct Builtin {
    const char* name; // lower case
    int minArgs;
    int maxArgs;
    BuiltinFn fn;           // null for a named constant
    Variant constant = {};  // the constant's value
    bool valueOnly = false; // called as a statement (`Call CInt(1)`) it raises 458
    ScopedBuiltinFn scopedFn = nullptr;
};

const Builtin* findBuiltin(const std::string& lower);

// Tables registered by each group of built-ins.
void addStringBuiltins(std::vector<Builtin>& out);
void addMathBuiltins(std::vector<Builtin>& out);
void addConversionBuiltins(std::vector<Builtin>& out);
void addDateBuiltins(std::vector<Builtin>& out);
void addInspectionBuiltins(std::vector<Builtin>& out);
void addConstants(std::vector<Builtin>& out);
void addDynamicBuiltins(std::vector<Builtin>& out);

// An omitted argument (`f(1, , 3)`) arrives as this Error value ("parameter not found").
inline constexpr int32_t kMissingArgument = -2147352572;

inline bool isMissing(const Variant& v) {
    return v.type() == VarType::Error && v.errorValue() == kMissingArgument;
}

// Argument helpers for built-ins: a missing optional argument is null.
inline const Variant* optionalArg(ArgRefs args, size_t i) {
    return i < args.size() && !isMissing(*args[i]) ? args[i] : nullptr;
}

} // namespace tabulo::vbs
