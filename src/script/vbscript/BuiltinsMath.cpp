// Math functions, Rnd and Randomize.

#include "script/vbscript/Builtins.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/Interpreter.h"
#include "script/vbscript/Nodes.h"
#include "script/vbscript/runtime/Clock.h"
#include "script/vbscript/runtime/Rounding.h"
#include "vbscript/ScriptError.h"

#include <algorithm>
#include <cmath>

namespace tabulo::vbs {

namespace {

const Variant& arg(ArgRefs a, size_t i) {
    return *a[i];
}

// Keeps the numeric subtype of the argument for Abs, Int and Fix.
Variant sameSubtype(const Variant& v, double (*f)(double)) {
    if (v.isNull()) return Variant::null();
    Variant x = toArithmetic(v);
    switch (x.type()) {
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long:
        if (f == static_cast<double (*)(double)>(std::fabs)) {
            int64_t n = x.type() == VarType::Long      ? x.longValue()
                        : x.type() == VarType::Integer ? x.integerValue()
                                                       : x.byteValue();
            n = n < 0 ? -n : n;
            if (x.type() == VarType::Integer && n <= 32767)
                return Variant::integer(static_cast<int16_t>(n));
            if (x.type() == VarType::Byte) return x;
            if (n <= 2147483647) return Variant::lng(static_cast<int32_t>(n));
            return Variant::dbl(static_cast<double>(n));
        }
        return x;
    case VarType::Single:
        return Variant::single(static_cast<float>(f(x.singleValue())));
    case VarType::Currency:
        return Variant::currency(
            static_cast<int64_t>(f(double(x.currencyValue()) / 10000.0) * 10000.0));
    case VarType::Date:
        return Variant::date(f(x.dateValue()));
    default:
        return Variant::dbl(f(toDouble(x)));
    }
}

Variant fnAbs(Interpreter&, ArgRefs a) {
    return sameSubtype(arg(a, 0), std::fabs);
}
Variant fnInt(Interpreter&, ArgRefs a) {
    return sameSubtype(arg(a, 0), std::floor);
}
Variant fnFix(Interpreter&, ArgRefs a) {
    return sameSubtype(arg(a, 0), std::trunc);
}

Variant fnRound(Interpreter&, ArgRefs a) {
    if (arg(a, 0).isNull()) return Variant::null();
    if (arg(a, 0).type() == VarType::Boolean) return arg(a, 0); // Round(True) is True
    Variant x = toArithmetic(arg(a, 0));
    const Variant* placesArg = optionalArg(a, 1);
    int32_t places = placesArg ? toLong(*placesArg) : 0;
    if (places < 0) raiseError(err::InvalidCall);
    if (x.type() == VarType::Integer || x.type() == VarType::Long || x.type() == VarType::Byte)
        return x;
    double r = rt::roundToDecimals(toDouble(x), places);
    if (x.type() == VarType::Single) return Variant::single(static_cast<float>(r));
    if (x.type() == VarType::Currency)
        return Variant::currency(static_cast<int64_t>(std::nearbyint(r * 10000.0)));
    return Variant::dbl(r);
}

// Unlike Abs, Int and Fix, Sgn refuses Null.
Variant fnSgn(Interpreter&, ArgRefs a) {
    if (arg(a, 0).isNull()) raiseError(err::InvalidUseOfNull);
    double d = toDouble(toArithmetic(arg(a, 0)));
    return Variant::integer(d > 0 ? 1 : d < 0 ? -1 : 0);
}

Variant realFunction(const Variant& v, double (*f)(double), bool positive, bool nonNegative) {
    if (v.isNull()) return Variant::null();
    double d = toDouble(toArithmetic(v));
    if ((positive && d <= 0) || (nonNegative && d < 0)) raiseError(err::InvalidCall);
    double r = f(d);
    if (std::isinf(r)) raiseError(err::Overflow);
    return Variant::dbl(r);
}

Variant fnSqr(Interpreter&, ArgRefs a) {
    return realFunction(arg(a, 0), std::sqrt, false, true);
}
Variant fnExp(Interpreter&, ArgRefs a) {
    return realFunction(
        arg(a, 0), [](double d) { return std::exp(d); }, false, false);
}
Variant fnLog(Interpreter&, ArgRefs a) {
    return realFunction(
        arg(a, 0), [](double d) { return std::log(d); }, true, false);
}
Variant fnSin(Interpreter&, ArgRefs a) {
    return realFunction(
        arg(a, 0), [](double d) { return std::sin(d); }, false, false);
}
Variant fnCos(Interpreter&, ArgRefs a) {
    return realFunction(
        arg(a, 0), [](double d) { return std::cos(d); }, false, false);
}
Variant fnTan(Interpreter&, ArgRefs a) {
    return realFunction(
        arg(a, 0), [](double d) { return std::tan(d); }, false, false);
}
Variant fnAtn(Interpreter&, ArgRefs a) {
    return realFunction(
        arg(a, 0), [](double d) { return std::atan(d); }, false, false);
}

// Rnd(n): above zero (or no n) the next value, zero the last one again, below zero a
// value that n alone determines. The generator belongs to the engine.
Variant fnRnd(Interpreter& in, ArgRefs a) {
    const Variant* n = optionalArg(a, 0);
    double d = n ? toDouble(*n) : 1.0;
    return Variant::single(in.random.next(d > 0 ? 1.0f : static_cast<float>(d)));
}

// Randomize is a statement; used as a value it has none to give.
Variant fnRandomizeAsValue(Interpreter&, ArgRefs) {
    raiseError(err::TypeMismatch);
}

// A colour as a Long: red in the low byte; parts above 255 count as 255.
Variant fnRGB(Interpreter&, ArgRefs a) {
    int32_t colour = 0;
    for (size_t i = 0; i < 3; ++i) {
        int32_t part = toLong(arg(a, i));
        if (part < 0) raiseError(err::InvalidCall);
        colour |= std::min(part, 255) << (8 * i);
    }
    return Variant::lng(colour);
}

} // namespace

Flow RandomizeStmt::exec(Context& c) const {
    if (seed_)
        c.in.random.randomize(toDouble(seed_->eval(c)));
    else
        c.in.random.randomizeWithTimer(static_cast<float>(rt::secondsSinceMidnight()));
    return Flow::Normal;
}

void addMathBuiltins(std::vector<Builtin>& out) {
    out.insert(out.end(), {
                              {"abs", 1, 1, fnAbs},
                              {"int", 1, 1, fnInt},
                              {"fix", 1, 1, fnFix},
                              {"round", 1, 2, fnRound},
                              {"sgn", 1, 1, fnSgn},
                              {"sqr", 1, 1, fnSqr},
                              {"exp", 1, 1, fnExp},
                              {"log", 1, 1, fnLog},
                              {"sin", 1, 1, fnSin},
                              {"cos", 1, 1, fnCos},
                              {"tan", 1, 1, fnTan},
                              {"atn", 1, 1, fnAtn},
                              {"rnd", 0, 1, fnRnd},
                              {"randomize", 0, 1, fnRandomizeAsValue},
                              {"rgb", 3, 3, fnRGB},
                          });
}

} // namespace tabulo::vbs
