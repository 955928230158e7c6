// The conversions every operator and built-in goes through: to numbers of each subtype
// (rounding and overflow checked by the runtime library), to Boolean and to text, and
// dates read and written in the date order of the engine whose call is running.

#include "script/vbscript/Convert.h"

#include "script/vbscript/RunState.h"
#include "script/vbscript/RuntimeBridge.h"
#include "script/vbscript/runtime/Rounding.h"
#include "vbscript/ScriptError.h"
#include "vbscript/ScriptObject.h"

#include <cmath>

namespace tabulo::vbs {

int dateOrder() {
    const RunState* run = currentRun();
    return run ? run->dateOrder : 1;
}

std::optional<bool> booleanWord(std::string_view text) {
    if (sameName(text, "true") || sameName(text, "#true#")) return true;
    if (sameName(text, "false") || sameName(text, "#false#")) return false;
    return std::nullopt;
}

bool parseNumber(const std::string& text, double& out) {
    return rt::textToNumber(text, out);
}

Variant defaultValue(const Variant& v) {
    if (!v.isObject()) return v;
    if (!v.obj()) raiseError(err::ObjectNotSet);
    return v.obj()->call("", {});
}

double toDouble(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty:
        return 0;
    case VarType::Null:
        raiseError(err::InvalidUseOfNull);
    case VarType::Boolean:
        return v.boolValue() ? -1 : 0;
    case VarType::Byte:
        return v.byteValue();
    case VarType::Integer:
        return v.integerValue();
    case VarType::Long:
        return v.longValue();
    case VarType::Single:
        return v.singleValue();
    case VarType::Double:
    case VarType::Date:
        return v.doubleValue();
    case VarType::Currency:
        return double(v.currencyValue()) / 10000.0;
    case VarType::String: {
        double d;
        if (parseNumber(v.str(), d)) return d;
        if (rt::dateFromText(v.str(), dateOrder(), d)) return d;
        raiseError(err::TypeMismatch);
    }
    case VarType::Object:
        return toDouble(defaultValue(v));
    case VarType::Ref:
        return toDouble(v.deref());
    default:
        raiseError(err::TypeMismatch);
    }
}

// A rounding conversion's result, or Overflow when the value does not fit the type.
template <typename T> static T fitted(std::optional<T> value) {
    if (!value) raiseError(err::Overflow);
    return *value;
}

int32_t toLong(const Variant& v) {
    switch (v.type()) {
    case VarType::Integer:
        return v.integerValue();
    case VarType::Long:
        return v.longValue();
    case VarType::Byte:
        return v.byteValue();
    case VarType::Boolean:
        return v.boolValue() ? -1 : 0;
    case VarType::Empty:
        return 0;
    default:
        return fitted(rt::toLong(toDouble(v)));
    }
}

int16_t toInteger(const Variant& v) {
    return fitted(rt::toInteger(toDouble(v)));
}

uint8_t toByte(const Variant& v) {
    return fitted(rt::toByte(toDouble(v)));
}

float toSingle(const Variant& v) {
    double d = toDouble(v);
    if (std::isfinite(d) && std::fabs(d) > 3.402823466e38) raiseError(err::Overflow);
    return static_cast<float>(d);
}

int64_t toCurrency(const Variant& v) {
    if (v.type() == VarType::Currency) return v.currencyValue();
    return fitted(rt::toCurrency(toDouble(v)));
}

double toDate(const Variant& v) {
    if (v.isString()) {
        double d;
        if (rt::cdateFromText(v.str(), dateOrder(), d)) return d;
        raiseError(err::TypeMismatch);
    }
    return toDouble(v);
}

bool toBool(const Variant& v) {
    switch (v.type()) {
    case VarType::Boolean:
        return v.boolValue();
    case VarType::String: {
        if (std::optional<bool> word = booleanWord(v.str())) return *word;
        double d;
        if (parseNumber(v.str(), d)) return d != 0;
        raiseError(err::TypeMismatch);
    }
    case VarType::Object:
        return toBool(defaultValue(v));
    default:
        return toDouble(v) != 0;
    }
}

std::string toString(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty:
        return {};
    case VarType::Null:
        raiseError(err::InvalidUseOfNull);
    case VarType::Boolean:
        return v.boolValue() ? "True" : "False";
    case VarType::Byte:
        return std::to_string(v.byteValue());
    case VarType::Integer:
        return std::to_string(v.integerValue());
    case VarType::Long:
        return std::to_string(v.longValue());
    case VarType::Single:
        return rt::singleText(v.singleValue());
    case VarType::Double:
        return rt::doubleText(v.doubleValue());
    case VarType::Currency:
        return rt::currencyText(v.currencyValue());
    case VarType::Date:
        return rt::dateText(v.dateValue(), dateOrder());
    case VarType::String:
        return v.str();
    case VarType::Error:
        return "Error " + std::to_string(v.errorValue());
    case VarType::Object:
        return toString(defaultValue(v));
    case VarType::Ref:
        return toString(v.deref());
    default:
        raiseError(err::TypeMismatch);
    }
}

Variant toArithmetic(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty:
        return Variant::integer(0);
    case VarType::Boolean:
        return Variant::integer(v.boolValue() ? -1 : 0);
    case VarType::String: {
        double d;
        if (parseNumber(v.str(), d)) return Variant::dbl(d);
        raiseError(err::TypeMismatch);
    }
    case VarType::Object:
        return toArithmetic(defaultValue(v));
    case VarType::Array:
    case VarType::Error:
        raiseError(err::TypeMismatch);
    default:
        return v;
    }
}

std::string typeName(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty:
        return "Empty";
    case VarType::Null:
        return "Null";
    case VarType::Boolean:
        return "Boolean";
    case VarType::Byte:
        return "Byte";
    case VarType::Integer:
        return "Integer";
    case VarType::Long:
        return "Long";
    case VarType::Single:
        return "Single";
    case VarType::Double:
        return "Double";
    case VarType::Currency:
        return "Currency";
    case VarType::Date:
        return "Date";
    case VarType::String:
        return "String";
    case VarType::Error:
        return "Error";
    case VarType::Array:
        return "Variant()";
    case VarType::Object:
        return v.obj() ? v.obj()->typeName() : "Nothing";
    case VarType::Ref:
        return typeName(v.deref());
    }
    return "Unknown";
}

int varTypeCode(const Variant& v) {
    if (v.isRef()) return varTypeCode(v.deref());
    return static_cast<int>(v.type());
}

} // namespace tabulo::vbs
