// Operator nodes, with fast paths for the common Integer, Long and Double cases.

#include "script/vbscript/Convert.h"
#include "script/vbscript/Nodes.h"
#include "vbscript/ScriptError.h"

#include <cmath>
#include <limits>

namespace tabulo::vbs {

namespace {

bool smallInt(const Variant& v, int64_t& out) {
    if (v.type() == VarType::Integer) {
        out = v.integerValue();
        return true;
    }
    if (v.type() == VarType::Long) {
        out = v.longValue();
        return true;
    }
    return false;
}

Variant narrowest(int64_t r, bool longOperand) {
    if (!longOperand && r >= -32768 && r <= 32767) return Variant::integer(static_cast<int16_t>(r));
    if (r >= std::numeric_limits<int32_t>::min() && r <= std::numeric_limits<int32_t>::max())
        return Variant::lng(static_cast<int32_t>(r));
    return Variant::dbl(static_cast<double>(r));
}

Variant finiteDouble(double r) {
    if (!std::isfinite(r)) raiseError(err::Overflow);
    return Variant::dbl(r);
}

// Integer and Long operands of + - * and comparisons, without the general rules.
bool fastPath(BinOp op, CompareOp cmp, const Variant& a, const Variant& b, Variant& out) {
    int64_t p, q;
    if (smallInt(a, p) && smallInt(b, q)) {
        bool isLong = a.type() == VarType::Long || b.type() == VarType::Long;
        switch (op) {
        case BinOp::Add:
            out = narrowest(p + q, isLong);
            return true;
        case BinOp::Sub:
            out = narrowest(p - q, isLong);
            return true;
        case BinOp::Mul:
            out = narrowest(p * q, isLong);
            return true;
        case BinOp::Compare:
            out = Variant::boolean(compareResult(cmp, p < q ? -1 : p > q ? 1 : 0));
            return true;
        default:
            return false;
        }
    }
    if (a.type() == VarType::Double && b.type() == VarType::Double) {
        double x = a.doubleValue(), y = b.doubleValue();
        switch (op) {
        case BinOp::Add:
            out = finiteDouble(x + y);
            return true;
        case BinOp::Sub:
            out = finiteDouble(x - y);
            return true;
        case BinOp::Mul:
            out = finiteDouble(x * y);
            return true;
        case BinOp::Compare:
            out = Variant::boolean(compareResult(cmp, x < y ? -1 : x > y ? 1 : 0));
            return true;
        default:
            return false;
        }
    }
    return false;
}

Variant apply(BinOp op, CompareOp cmp, int literalSide, const Variant& a, const Variant& b) {
    switch (op) {
    case BinOp::Add:
        return opAdd(a, b);
    case BinOp::Sub:
        return opSub(a, b);
    case BinOp::Mul:
        return opMul(a, b);
    case BinOp::Div:
        return opDiv(a, b);
    case BinOp::IntDiv:
        return opIntDiv(a, b);
    case BinOp::Mod:
        return opMod(a, b);
    case BinOp::Pow:
        return opPow(a, b);
    case BinOp::Concat:
        return opConcat(a, b);
    case BinOp::And:
        return opAnd(a, b);
    case BinOp::Or:
        return opOr(a, b);
    case BinOp::Xor:
        return opXor(a, b);
    case BinOp::Eqv:
        return opEqv(a, b);
    case BinOp::Imp:
        return opImp(a, b);
    case BinOp::Compare:
        return opCompare(cmp, a, b, literalSide);
    }
    return {};
}

} // namespace

Variant BinaryExpr::eval(Context& c) const {
    // The left operand is read in place when nothing on the right can change it.
    Variant leftValue, rightValue;
    const Variant* a = right->pure ? left->peek(c) : nullptr;
    if (!a) {
        leftValue = left->eval(c);
        a = &leftValue;
    }
    const Variant* b = right->peek(c);
    if (!b) {
        rightValue = right->eval(c);
        b = &rightValue;
    }
    Variant out;
    if (fastPath(op, cmp, *a, *b, out)) return out;
    return apply(op, cmp, literalSide, *a, *b);
}

Variant IsExpr::eval(Context& c) const {
    Variant a = left->eval(c);
    Variant b = right->eval(c);
    if (!a.isObject() || !b.isObject()) raiseError(err::TypeMismatch);
    return Variant::boolean(a.obj() == b.obj());
}

Variant UnaryExpr::eval(Context& c) const {
    Variant v = operand->eval(c);
    return isNot ? opNot(v) : opNeg(v);
}

} // namespace tabulo::vbs
