// Date, time and formatting functions, on top of the script runtime library.

#include "script/vbscript/Builtins.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/runtime/Clock.h"
#include "script/vbscript/runtime/DateFormat.h"
#include "script/vbscript/runtime/DateMath.h"
#include "script/vbscript/runtime/DateNames.h"
#include "script/vbscript/runtime/DateSerial.h"
#include "script/vbscript/runtime/NumberFormat.h"
#include "script/vbscript/runtime/Rounding.h"
#include "vbscript/ScriptError.h"

#include <cmath>

namespace tabulo::vbs {

namespace {

const Variant& arg(ArgRefs a, size_t i) {
    return *a[i];
}

template <class T> T valid(const std::optional<T>& v) {
    if (!v) raiseError(err::InvalidCall);
    return *v;
}

// An optional number argument: Null is "Invalid use of Null".
int optionalInt(ArgRefs a, size_t i, int fallback) {
    const Variant* v = optionalArg(a, i);
    if (v && v->isNull()) raiseError(err::InvalidUseOfNull);
    return v ? toLong(*v) : fallback;
}

int32_t number(const Variant& v) {
    if (v.isNull()) raiseError(err::InvalidUseOfNull);
    return toLong(v);
}

rt::DateParts partsOf(const Variant& v) {
    return valid(rt::splitDate(toDate(v)));
}

rt::Interval intervalOf(const Variant& v) {
    return valid(rt::parseInterval(toString(v)));
}

Variant fnDate(Interpreter&, ArgRefs) {
    return Variant::date(std::floor(rt::nowSerial()));
}
Variant fnTime(Interpreter&, ArgRefs) {
    return Variant::date(rt::timePartOf(rt::nowSerial()));
}
Variant fnNow(Interpreter&, ArgRefs) {
    return Variant::date(rt::nowSerial());
}
Variant fnTimer(Interpreter&, ArgRefs) {
    return Variant::single(static_cast<float>(rt::secondsSinceMidnight()));
}

template <int rt::DateParts::*Field> Variant datePartFn(Interpreter&, ArgRefs a) {
    if (arg(a, 0).isNull()) return Variant::null();
    return Variant::integer(static_cast<int16_t>(partsOf(arg(a, 0)).*Field));
}

// The first day of the week is checked before a Null date gives Null.
Variant fnWeekday(Interpreter&, ArgRefs a) {
    int firstDay = optionalInt(a, 1, 1);
    if (firstDay < 0 || firstDay > 7) raiseError(err::InvalidCall);
    if (arg(a, 0).isNull()) return Variant::null();
    return Variant::integer(static_cast<int16_t>(valid(rt::weekday(toDate(arg(a, 0)), firstDay))));
}

Variant fnDateAdd(Interpreter&, ArgRefs a) {
    if (arg(a, 2).isNull()) return Variant::null();
    rt::Interval interval = intervalOf(arg(a, 0));
    return Variant::date(valid(rt::dateAdd(interval, toDouble(arg(a, 1)), toDate(arg(a, 2)))));
}

Variant fnDateDiff(Interpreter&, ArgRefs a) {
    if (arg(a, 1).isNull() || arg(a, 2).isNull()) return Variant::null();
    rt::Interval interval = intervalOf(arg(a, 0));
    int64_t n =
        valid(rt::dateDiff(interval, toDate(arg(a, 1)), toDate(arg(a, 2)), optionalInt(a, 3, 1)));
    if (n < INT32_MIN || n > INT32_MAX) raiseError(err::Overflow);
    return Variant::lng(static_cast<int32_t>(n));
}

Variant fnDatePart(Interpreter&, ArgRefs a) {
    if (arg(a, 1).isNull()) return Variant::null();
    rt::Interval interval = intervalOf(arg(a, 0));
    return Variant::integer(static_cast<int16_t>(valid(
        rt::datePart(interval, toDate(arg(a, 1)), optionalInt(a, 2, 1), optionalInt(a, 3, 1)))));
}

Variant fnDateSerial(Interpreter&, ArgRefs a) {
    return Variant::date(
        valid(rt::dateSerial(toInteger(arg(a, 0)), toInteger(arg(a, 1)), toInteger(arg(a, 2)))));
}

Variant fnTimeSerial(Interpreter&, ArgRefs a) {
    return Variant::date(
        valid(rt::timeSerial(toInteger(arg(a, 0)), toInteger(arg(a, 1)), toInteger(arg(a, 2)))));
}

Variant fnDateValue(Interpreter&, ArgRefs a) {
    if (arg(a, 0).isNull()) return Variant::null();
    return Variant::date(rt::datePartOf(toDate(arg(a, 0))));
}

Variant fnTimeValue(Interpreter&, ArgRefs a) {
    if (arg(a, 0).isNull()) return Variant::null();
    return Variant::date(rt::timePartOf(toDate(arg(a, 0))));
}

Variant fnMonthName(Interpreter&, ArgRefs a) {
    const Variant* abbrev = optionalArg(a, 1);
    if (abbrev && abbrev->isNull()) raiseError(err::InvalidUseOfNull);
    int m = number(arg(a, 0));
    if (m < 1 || m > 12) raiseError(err::InvalidCall);
    return Variant(rt::monthName(m, abbrev && toBool(*abbrev)));
}

Variant fnWeekdayName(Interpreter&, ArgRefs a) {
    int w = toLong(arg(a, 0));
    int first = optionalInt(a, 2, 1);
    if (w < 1 || w > 7 || first < 0 || first > 7) raiseError(err::InvalidCall);
    const Variant* abbrev = optionalArg(a, 1);
    return Variant(rt::weekdayName(w, abbrev && toBool(*abbrev), first));
}

// The Format functions want a value to format: Null is a type mismatch.
const Variant& formatted(const Variant& v) {
    if (v.isNull()) raiseError(err::TypeMismatch);
    return v;
}

Variant fnFormatDateTime(Interpreter&, ArgRefs a) {
    formatted(arg(a, 0));
    int format = optionalInt(a, 1, 0);
    if (format < 0 || format > 4) raiseError(err::InvalidCall);
    return Variant(valid(
        rt::formatDateTime(toDate(arg(a, 0)), static_cast<rt::NamedFormat>(format), dateOrder())));
}

rt::NumberFormatOptions formatOptions(ArgRefs a) {
    rt::NumberFormatOptions o;
    o.decimals = optionalInt(a, 1, -1);
    if (o.decimals < -1) raiseError(err::InvalidCall);
    o.leadingDigit = optionalInt(a, 2, rt::kTristateDefault);
    o.parensForNegative = optionalInt(a, 3, rt::kTristateDefault);
    o.groupDigits = optionalInt(a, 4, rt::kTristateDefault);
    return o;
}

template <std::string (*Format)(double, const rt::NumberFormatOptions&)>
Variant formatFn(Interpreter&, ArgRefs a) {
    double value = toDouble(formatted(arg(a, 0)));
    return Variant(Format(value, formatOptions(a)));
}

Variant radixText(ArgRefs a, std::string (*text)(int64_t, int)) {
    const Variant& v = arg(a, 0);
    if (v.isNull()) return Variant::null();
    bool narrow = v.type() == VarType::Integer || v.type() == VarType::Byte ||
                  v.type() == VarType::Boolean || v.isEmpty();
    return Variant(text(toLong(toArithmetic(v)), narrow ? 16 : 32));
}

Variant fnHex(Interpreter&, ArgRefs a) {
    return radixText(a, rt::hexText);
}
Variant fnOct(Interpreter&, ArgRefs a) {
    return radixText(a, rt::octText);
}

} // namespace

void addDateBuiltins(std::vector<Builtin>& out) {
    out.insert(out.end(), {
                              {"date", 0, 0, fnDate},
                              {"time", 0, 0, fnTime},
                              {"now", 0, 0, fnNow},
                              {"timer", 0, 0, fnTimer},
                              {"year", 1, 1, datePartFn<&rt::DateParts::year>},
                              {"month", 1, 1, datePartFn<&rt::DateParts::month>},
                              {"day", 1, 1, datePartFn<&rt::DateParts::day>},
                              {"hour", 1, 1, datePartFn<&rt::DateParts::hour>},
                              {"minute", 1, 1, datePartFn<&rt::DateParts::minute>},
                              {"second", 1, 1, datePartFn<&rt::DateParts::second>},
                              {"weekday", 1, 2, fnWeekday},
                              {"dateadd", 3, 3, fnDateAdd},
                              {"datediff", 3, 5, fnDateDiff},
                              {"datepart", 2, 4, fnDatePart},
                              {"dateserial", 3, 3, fnDateSerial},
                              {"timeserial", 3, 3, fnTimeSerial},
                              {"datevalue", 1, 1, fnDateValue},
                              {"timevalue", 1, 1, fnTimeValue},
                              {"monthname", 1, 2, fnMonthName},
                              {"weekdayname", 1, 3, fnWeekdayName},
                              {"formatdatetime", 1, 2, fnFormatDateTime},
                              {"formatnumber", 1, 5, formatFn<rt::formatNumber>},
                              {"formatcurrency", 1, 5, formatFn<rt::formatCurrency>},
                              {"formatpercent", 1, 5, formatFn<rt::formatPercent>},
                              {"hex", 1, 1, fnHex},
                              {"oct", 1, 1, fnOct},
                          });
}

} // namespace tabulo::vbs
