#pragma once
// The decimal digits of a double rounded to a number of significant digits: the common
// ground of the number-to-text conversions (CStr, FormatNumber and friends).

#include <string>

namespace tabulo::vbs::rt {

// |value| = d1.d2d3... x 10^exponent; digits has no trailing zeros ("0" for zero).
struct DecimalDigits {
    bool negative = false;
    std::string digits = "0";
    int exponent = 0;
};

// Rounds to `significant` digits (1..17). Infinities and NaN give zero: the language
// raises Overflow before such values reach a conversion.
DecimalDigits toDecimalDigits(double value, int significant);

// Rounds the digits half away from zero so that at most `decimals` digits remain
// after the decimal point (decimals may be 0). The exponent may grow by one (9.99 -> 10).
DecimalDigits roundDigits(DecimalDigits value, int decimals);

// Writes the value in plain notation: integer digits, then "." and the fraction
// digits when there are any (at least one digit before the point).
std::string plainText(const DecimalDigits& value);

} // namespace tabulo::vbs::rt
