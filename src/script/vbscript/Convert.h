#pragma once
// Conversions between Variant subtypes, with the language's rules: strings
// that hold numbers convert, Empty is 0 or "", Null refuses ("Invalid use of
// Null"), integers round half to even and overflow is an error.

#include "vbscript/Variant.h"

#include <optional>
#include <string>
#include <string_view>

namespace tabulo::vbs {

// The date order dates are read and written in: 1 = DD/MM/YYYY, 2 = MM/DD/YYYY; the
// order of the engine whose call is in progress (1 outside any).
int dateOrder();

uint8_t toByte(const Variant& v);
float toSingle(const Variant& v);
int64_t toCurrency(const Variant& v); // scaled by 10000
double toDate(const Variant& v);
// toDouble, toLong, toInteger, toBool and toString are public: see Variant.h.

// Reads an object's default value (Err -> Err.Number); other values as they are.
Variant defaultValue(const Variant& v);

// Numeric form of a value for arithmetic: strings parse to Double, Empty is
// Integer 0, Boolean becomes Integer; Null stays Null. Non-numeric: Type mismatch.
Variant toArithmetic(const Variant& v);

// "True", "False", "#True#" and "#False#" in any case; nothing for other texts.
std::optional<bool> booleanWord(std::string_view text);

// Whether a string reads as a number, and its value.
bool parseNumber(const std::string& text, double& out);

// The language's name of the subtype ("Integer", "String", "Variant()").
std::string typeName(const Variant& v);
int varTypeCode(const Variant& v);

} // namespace tabulo::vbs
