// Decimal digits from the standard library's correctly rounded, locale-free
// conversion, rounded again to a number of decimals and written as plain text.

#include "script/vbscript/runtime/DecimalDigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tabulo::vbs::rt {

namespace {

void stripTrailingZeros(DecimalDigits& value) {
    const auto last = value.digits.find_last_not_of('0');
    if (last == std::string::npos) {
        value.digits = "0";
        value.exponent = 0;
    } else {
        value.digits.erase(last + 1);
    }
}

} // namespace

DecimalDigits toDecimalDigits(double value, int significant) {
    DecimalDigits result;
    result.negative = std::signbit(value) && value != 0.0;
    if (value == 0.0 || !std::isfinite(value)) return result;
    char buffer[64];
    // "d.ddde+XX": locale-independent, correctly rounded.
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, significant - 1);
    char* e = std::find(buffer, written.ptr, 'e');
    result.digits.assign(1, buffer[0]);
    if (e - buffer > 2) result.digits.append(buffer + 2, e);
    const char* exponent = e + 1 + (e[1] == '+' ? 1 : 0);
    std::from_chars(exponent, written.ptr, result.exponent);
    stripTrailingZeros(result);
    return result;
}

DecimalDigits roundDigits(DecimalDigits value, int decimals) {
    // Digits kept: those before the point plus `decimals` after it.
    const int keep = value.exponent + 1 + decimals;
    if (keep >= static_cast<int>(value.digits.size())) return value;
    if (keep < 0) return DecimalDigits{value.negative, "0", 0};
    const bool roundUp = value.digits[keep] >= '5';
    value.digits.erase(keep);
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && value.digits[i] == '9')
            value.digits[i--] = '0';
        if (i >= 0) {
            ++value.digits[i];
        } else {
            value.digits.insert(value.digits.begin(), '1');
            ++value.exponent;
        }
    }
    if (value.digits.empty()) value.digits = "0";
    stripTrailingZeros(value);
    return value;
}

std::string plainText(const DecimalDigits& value) {
    const int count = static_cast<int>(value.digits.size());
    if (value.exponent < 0)
        return "0." + std::string(static_cast<std::size_t>(-value.exponent - 1), '0') +
               value.digits;
    const int integerDigits = value.exponent + 1;
    if (count <= integerDigits)
        return value.digits + std::string(static_cast<std::size_t>(integerDigits - count), '0');
    return value.digits.substr(0, integerDigits) + "." + value.digits.substr(integerDigits);
}

} // namespace tabulo::vbs::rt
