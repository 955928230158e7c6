#pragma once
// The arguments of one call, evaluated left to right. By reference, a plain
// variable or array element is handed over as a pointer to its storage; any
// other expression (or one in parentheses) is evaluated into a temporary.

#include "script/vbscript/Interpreter.h"

namespace tabulo::vbs {

class CallArgs {
public:
    CallArgs(Context& c, const ExprList& args, bool byRef);
    CallArgs(const CallArgs&) = delete;
    CallArgs& operator=(const CallArgs&) = delete;

    ArgRefs refs() const { return ArgRefs(ptrs_, count_); }
    size_t size() const { return count_; }

private:
    static constexpr size_t kInline = 4;
    Variant& temp(size_t i) { return count_ <= kInline ? inlineTemps_[i] : moreTemps_[i]; }

    size_t count_;
    Variant inlineTemps_[kInline];
    Variant* inlinePtrs_[kInline];
    std::vector<Variant> moreTemps_;
    std::vector<Variant*> morePtrs_;
    Variant** ptrs_;
    ArgPack pack_;
};

// Stores into a variable: Set requires an object, Let copies arrays and reads
// an object's default value.
void storeValue(Variant& dst, const Variant& value, bool isSet);

// The element of an array at the given indices, after the bounds checks.
Variant& indexArray(Context& c, ArrayData& arr, const ExprList& args);

} // namespace tabulo::vbs
