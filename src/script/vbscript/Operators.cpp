// Arithmetic, concatenation, comparison and the logical operators, each deciding the
// subtype of its result from its operands' subtypes; text comparison without case uses
// the program's one case table.

#include "script/vbscript/Operators.h"

#include "base/TextCase.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/Limits.h"
#include "vbscript/ScriptError.h"
#include "vbscript/ScriptObject.h"

#include <cmath>
#include <limits>

namespace tabulo::vbs {

namespace {

// Order in which numeric subtypes absorb each other in arithmetic.
enum Rank { RByte = 1, RInteger, RLong, RSingle, RDouble, RCurrency, RDate };

Rank rankOf(VarType t) {
    switch (t) {
    case VarType::Byte:
        return RByte;
    case VarType::Integer:
        return RInteger;
    case VarType::Long:
        return RLong;
    case VarType::Single:
        return RSingle;
    case VarType::Currency:
        return RCurrency;
    case VarType::Date:
        return RDate;
    default:
        return RDouble;
    }
}

Rank resultRank(const Variant& x, const Variant& y) {
    Rank a = rankOf(x.type()), b = rankOf(y.type());
    if ((a == RSingle && b == RLong) || (a == RLong && b == RSingle)) return RDouble;
    return a > b ? a : b;
}

int64_t integral(const Variant& v) {
    switch (v.type()) {
    case VarType::Byte:
        return v.byteValue();
    case VarType::Integer:
        return v.integerValue();
    default:
        return v.longValue();
    }
}

// An integer result in the narrowest subtype at or above `rank` that holds it.
Variant integerResult(int64_t r, Rank rank) {
    if (rank == RByte && r >= 0 && r <= 255) return Variant::byte(static_cast<uint8_t>(r));
    if (rank <= RInteger && r >= -32768 && r <= 32767)
        return Variant::integer(static_cast<int16_t>(r));
    if (r >= std::numeric_limits<int32_t>::min() && r <= std::numeric_limits<int32_t>::max())
        return Variant::lng(static_cast<int32_t>(r));
    return Variant::dbl(static_cast<double>(r));
}

// A Single result too large for a Single becomes a Double; beyond a Double is an Overflow.
Variant floatResult(double r, Rank rank) {
    if (!std::isfinite(r)) raiseError(err::Overflow);
    if (rank == RSingle && std::fabs(r) <= 3.402823466e38)
        return Variant::single(static_cast<float>(r));
    return Variant::dbl(r);
}

Variant currencyResult(long double scaled) {
    if (!(std::fabs(scaled) < 9.2233720368547758e18L)) raiseError(err::Overflow);
    return Variant::currency(static_cast<int64_t>(std::nearbyint(scaled)));
}

enum class Arith { Add, Sub, Mul };

Variant arithmetic(Arith op, const Variant& a, const Variant& b) {
    Variant x = toArithmetic(a), y = toArithmetic(b);
    Rank rank = resultRank(x, y);
    if (rank <= RLong) {
        int64_t p = integral(x), q = integral(y);
        int64_t r = op == Arith::Add ? p + q : op == Arith::Sub ? p - q : p * q;
        return integerResult(r, rank);
    }
    if (rank == RCurrency) {
        long double p = static_cast<long double>(toCurrency(x));
        long double q = static_cast<long double>(toCurrency(y));
        return currencyResult(op == Arith::Add   ? p + q
                              : op == Arith::Sub ? p - q
                                                 : p * q / 10000.0L);
    }
    double p = toDouble(x), q = toDouble(y);
    double r = op == Arith::Add ? p + q : op == Arith::Sub ? p - q : p * q;
    if (rank == RDate) {
        bool bothDates = x.type() == VarType::Date && y.type() == VarType::Date;
        if (op == Arith::Mul || (op == Arith::Sub && bothDates)) return floatResult(r, RDouble);
        return Variant::date(r);
    }
    return floatResult(r, rank);
}

// `+` and `-` with exactly one Empty side give the other side back unchanged.
bool emptyShortcut(const Variant& a, const Variant& b, Variant& out) {
    if (a.isEmpty() && !b.isEmpty() && !b.isObject()) {
        out = b.type() == VarType::Boolean ? toArithmetic(b) : b;
        return true;
    }
    return false;
}

} // namespace

Variant opAdd(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) return Variant::null();
    if (a.isString() && b.isString()) {
        checkStringLength(a.str().size() + b.str().size());
        return Variant(a.str() + b.str());
    }
    Variant out;
    if (emptyShortcut(a, b, out) || emptyShortcut(b, a, out)) return out;
    return arithmetic(Arith::Add, a, b);
}

Variant opSub(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) return Variant::null();
    if (b.isEmpty() && !a.isEmpty() && !a.isString() && !a.isObject())
        return a.type() == VarType::Boolean ? toArithmetic(a) : a;
    return arithmetic(Arith::Sub, a, b);
}

Variant opMul(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) return Variant::null();
    return arithmetic(Arith::Mul, a, b);
}

Variant opDiv(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) return Variant::null();
    Variant x = toArithmetic(a), y = toArithmetic(b);
    double q = toDouble(y);
    double p = toDouble(x);
    if (q == 0) raiseError(p == 0 ? err::Overflow : err::DivisionByZero);
    Rank rank = resultRank(x, y);
    if (rank == RCurrency) return currencyResult(static_cast<long double>(p / q) * 10000.0L);
    bool singles = rank == RSingle && x.type() != VarType::Long && y.type() != VarType::Long;
    return floatResult(p / q, singles ? RSingle : RDouble);
}

static Variant integerDivision(const Variant& a, const Variant& b, bool modulo) {
    if (a.isNull() || b.isNull()) return Variant::null();
    Variant x = toArithmetic(a), y = toArithmetic(b);
    int64_t p = toLong(x), q = toLong(y);
    if (q == 0) raiseError(err::DivisionByZero);
    Rank rank = resultRank(x, y);
    int64_t r = modulo ? p % q : p / q;
    // The result is a Byte, Integer or Long: an Integer quotient may grow into a Long
    // (-32768 \ -1), a Long one may not (Overflow).
    if (r > std::numeric_limits<int32_t>::max()) raiseError(err::Overflow);
    return integerResult(r, rank <= RInteger ? rank : RLong);
}

Variant opIntDiv(const Variant& a, const Variant& b) {
    return integerDivision(a, b, false);
}
Variant opMod(const Variant& a, const Variant& b) {
    return integerDivision(a, b, true);
}

Variant opPow(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) return Variant::null();
    double p = toDouble(toArithmetic(a)), q = toDouble(toArithmetic(b));
    if (p == 0 && q < 0) raiseError(err::InvalidCall);
    if (p < 0 && q != std::floor(q)) raiseError(err::InvalidCall);
    double r = std::pow(p, q);
    if (std::isinf(r)) raiseError(err::Overflow);
    return Variant::dbl(r);
}

Variant opNeg(const Variant& a) {
    if (a.isNull()) return Variant::null();
    Variant x = toArithmetic(a);
    switch (x.type()) {
    case VarType::Byte:
        return integerResult(-int64_t(x.byteValue()), RInteger);
    case VarType::Integer:
        return integerResult(-int64_t(x.integerValue()), RInteger);
    case VarType::Long:
        return integerResult(-int64_t(x.longValue()), RLong);
    case VarType::Single:
        return Variant::single(-x.singleValue());
    case VarType::Currency:
        return Variant::currency(-x.currencyValue());
    case VarType::Date:
        return Variant::date(-x.dateValue());
    default:
        return Variant::dbl(-toDouble(x));
    }
}

void checkStringLength(size_t length) {
    if (length > kMaxStringLength) raiseError(err::OutOfMemory);
}

void appendText(std::string& out, const Variant& v) {
    if (v.isString()) {
        checkStringLength(out.size() + v.str().size());
        out += v.str();
    } else if (!v.isNull()) {
        std::string text = toString(v);
        checkStringLength(out.size() + text.size());
        out += text;
    }
}

Variant opConcat(const Variant& a, const Variant& b) {
    if (a.isNull() && b.isNull()) return Variant::null();
    Variant out(a.isString() ? a.str() : a.isNull() ? std::string() : toString(a));
    appendText(out.str(), b);
    return out;
}

namespace {

enum class Logic { And, Or, Xor, Eqv, Imp };

int64_t applyLogic(Logic op, int64_t p, int64_t q) {
    switch (op) {
    case Logic::And:
        return p & q;
    case Logic::Or:
        return p | q;
    case Logic::Xor:
        return p ^ q;
    case Logic::Eqv:
        return ~(p ^ q);
    case Logic::Imp:
        return ~p | q;
    }
    return 0;
}

// Booleans (and the strings "True"/"False") stay Booleans; everything else
// takes part as an integer.
Variant logicOperand(const Variant& v) {
    if (v.type() == VarType::Boolean) return v;
    if (v.isString())
        if (std::optional<bool> word = booleanWord(v.str())) return Variant::boolean(*word);
    Variant x = toArithmetic(v);
    if (x.type() == VarType::Byte || x.type() == VarType::Integer || x.type() == VarType::Long)
        return x;
    return Variant::lng(toLong(x));
}

bool isFalse(const Variant& v) {
    return toDouble(v) == 0;
}
bool isAllOnes(const Variant& v) {
    return toDouble(v) == -1;
}

Variant nullLogic(Logic op, const Variant& other, bool nullOnLeft) {
    if (other.isNull()) return Variant::null();
    Variant x = logicOperand(other);
    switch (op) {
    case Logic::And:
        return isFalse(x) ? x : Variant::null();
    case Logic::Or:
        return isAllOnes(x) ? x : Variant::null();
    case Logic::Imp:
        if (nullOnLeft) return isAllOnes(x) ? x : Variant::null();
        return isFalse(x)
                   ? (x.type() == VarType::Boolean ? Variant::boolean(true) : Variant::integer(-1))
                   : Variant::null();
    default:
        return Variant::null();
    }
}

Variant logic(Logic op, const Variant& a, const Variant& b) {
    if (a.isNull()) return nullLogic(op, b, true);
    if (b.isNull()) return nullLogic(op, a, false);
    Variant x = logicOperand(a), y = logicOperand(b);
    if (x.type() == VarType::Boolean && y.type() == VarType::Boolean)
        return Variant::boolean(applyLogic(op, x.boolValue() ? -1 : 0, y.boolValue() ? -1 : 0) !=
                                0);
    Rank rank = resultRank(x.type() == VarType::Boolean ? Variant::integer(0) : x,
                           y.type() == VarType::Boolean ? Variant::integer(0) : y);
    int64_t r = applyLogic(op, toLong(x), toLong(y));
    if (rank == RByte) return Variant::byte(static_cast<uint8_t>(r));
    if (rank == RInteger) return Variant::integer(static_cast<int16_t>(r));
    return Variant::lng(static_cast<int32_t>(r));
}

} // namespace

Variant opAnd(const Variant& a, const Variant& b) {
    return logic(Logic::And, a, b);
}
Variant opOr(const Variant& a, const Variant& b) {
    return logic(Logic::Or, a, b);
}
Variant opXor(const Variant& a, const Variant& b) {
    return logic(Logic::Xor, a, b);
}
Variant opEqv(const Variant& a, const Variant& b) {
    return logic(Logic::Eqv, a, b);
}
Variant opImp(const Variant& a, const Variant& b) {
    return logic(Logic::Imp, a, b);
}

Variant opNot(const Variant& a) {
    if (a.isNull()) return Variant::null();
    Variant x = logicOperand(a);
    switch (x.type()) {
    case VarType::Boolean:
        return Variant::boolean(!x.boolValue());
    case VarType::Byte:
        return Variant::byte(static_cast<uint8_t>(~x.byteValue()));
    case VarType::Integer:
        return Variant::integer(static_cast<int16_t>(~x.integerValue()));
    default:
        return Variant::lng(~toLong(x));
    }
}

int compareText(const std::string& a, const std::string& b, bool textCompare) {
    if (!textCompare) {
        int c = a.compare(b);
        return c < 0 ? -1 : c > 0 ? 1 : 0;
    }
    return CompareWithoutCase(a, b);
}

static int compareNumbers(const Variant& a, const Variant& b) {
    if (a.type() == VarType::Currency && b.type() == VarType::Currency) {
        int64_t p = a.currencyValue(), q = b.currencyValue();
        return p < q ? -1 : p > q ? 1 : 0;
    }
    // A Single against a Double compares at Single precision: CSng(0.1) = 0.1.
    bool single = a.type() == VarType::Single || b.type() == VarType::Single;
    bool dbl = a.type() == VarType::Double || b.type() == VarType::Double;
    if (single && dbl) {
        float p = static_cast<float>(toDouble(a)), q = static_cast<float>(toDouble(b));
        return p < q ? -1 : p > q ? 1 : 0;
    }
    double p = toDouble(a), q = toDouble(b);
    return p < q ? -1 : p > q ? 1 : 0;
}

int compareValues(const Variant& a0, const Variant& b0, bool textCompare, int literalSide) {
    const Variant& a = a0.deref();
    const Variant& b = b0.deref();
    if (a.isNull() || b.isNull()) return kCompareNull;
    if (a.isObject() || b.isObject())
        return compareValues(defaultValue(a), defaultValue(b), textCompare, literalSide);
    if (a.isArray() || b.isArray()) raiseError(err::TypeMismatch);
    if (a.isString() && b.isString()) return compareText(a.str(), b.str(), textCompare);
    if (a.isString() || b.isString()) {
        const Variant& other = a.isString() ? b : a;
        if (other.isEmpty())
            return compareText(a.isString() ? a.str() : std::string(),
                               b.isString() ? b.str() : std::string(), textCompare);
        bool stringIsLiteralPeer =
            (a.isString() && literalSide == 2) || (b.isString() && literalSide == 1);
        if (!stringIsLiteralPeer) return a.isString() ? 1 : -1; // a number sorts before any string
        return compareNumbers(toArithmetic(a), toArithmetic(b));
    }
    return compareNumbers(a, b);
}

bool compareResult(CompareOp op, int cmp) {
    switch (op) {
    case CompareOp::Eq:
        return cmp == 0;
    case CompareOp::Ne:
        return cmp != 0;
    case CompareOp::Lt:
        return cmp < 0;
    case CompareOp::Le:
        return cmp <= 0;
    case CompareOp::Gt:
        return cmp > 0;
    case CompareOp::Ge:
        return cmp >= 0;
    }
    return false;
}

Variant opCompare(CompareOp op, const Variant& a, const Variant& b, int literalSide) {
    int cmp = compareValues(a, b, false, literalSide);
    if (cmp == kCompareNull) return Variant::null();
    return Variant::boolean(compareResult(op, cmp));
}

} // namespace tabulo::vbs
