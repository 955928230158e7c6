// Evaluating a call's arguments into the pointers a callee receives, and the two
// places every assignment ends in: storing a value (Set or Let, with the default
// property of an object read for Let) and finding an array element from its subscripts.

#include "script/vbscript/CallArgs.h"

#include "script/vbscript/Convert.h"
#include "script/vbscript/Nodes.h"

namespace tabulo::vbs {

CallArgs::CallArgs(Context& c, const ExprList& args, bool byRef) : count_(args.size()) {
    if (count_ > kInline) {
        moreTemps_.resize(count_);
        morePtrs_.resize(count_);
        ptrs_ = morePtrs_.data();
    } else {
        ptrs_ = inlinePtrs_;
    }
    bool readInPlace = true;
    for (const ExprPtr& e : args)
        readInPlace = readInPlace && e->pure;
    for (size_t i = 0; i < count_; ++i) {
        const Expr& e = *args[i];
        Variant* p = nullptr;
        if (byRef && !e.parenthesized)
            p = e.reference(c, pack_);
        else if (!byRef && readInPlace)
            p = const_cast<Variant*>(e.peek(c));
        if (!p) {
            Variant& t = temp(i);
            t = e.eval(c);
            // A procedure gets its own copy of an array passed as `S (x)`: its changes
            // must not reach x.
            if (byRef && t.isArray()) t = copyForAssign(t);
            p = &t;
        }
        ptrs_[i] = p;
    }
}

void storeValue(Variant& dst, const Variant& value, bool isSet) {
    if (isSet) {
        if (!value.isObject()) raiseError(err::ObjectRequired);
        dst = value;
    } else if (value.isObject()) {
        dst = defaultValue(value);
    } else if (value.isArray()) {
        dst = copyForAssign(value);
    } else {
        dst = value;
    }
}

Variant& indexArray(Context& c, ArrayData& arr, const ExprList& args) {
    if (args.size() != arr.upper.size()) raiseError(err::SubscriptOutOfRange);
    size_t offset = 0;
    for (size_t d = 0; d < args.size(); ++d) {
        const Variant* p = args[d]->peek(c);
        int32_t i = p ? toLong(*p) : toLong(args[d]->eval(c));
        if (args.size() != arr.upper.size())
            raiseError(err::SubscriptOutOfRange); // resized while indices were evaluated
        if (i < 0 || i > arr.upper[d]) raiseError(err::SubscriptOutOfRange);
        offset = offset * (static_cast<size_t>(arr.upper[d]) + 1) + static_cast<size_t>(i);
    }
    if (offset >= arr.values.size()) raiseError(err::SubscriptOutOfRange);
    return arr.values[offset];
}

} // namespace tabulo::vbs
