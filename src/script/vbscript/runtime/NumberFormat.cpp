// Builds the formatted number from the rounded decimal digits: groups, leading zero,
// sign or brackets, and the currency and percent signs.

#include "script/vbscript/runtime/NumberFormat.h"

#include "script/vbscript/runtime/DecimalDigits.h"

#include <algorithm>

namespace tabulo::vbs::rt {

namespace {

bool tristate(int value, bool fallback) {
    if (value == kTristateTrue) return true;
    if (value == kTristateFalse) return false;
    return fallback;
}

std::string grouped(const std::string& integerDigits) {
    std::string text;
    const auto count = integerDigits.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) text += ',';
        text += integerDigits[i];
    }
    return text;
}

// The magnitude of a value, rounded and laid out; sets `negative` when a sign is due.
std::string magnitudeText(double value, const NumberFormatOptions& options, bool& negative) {
    const int decimals = options.decimals < 0 ? 2 : options.decimals;
    const DecimalDigits digits = roundDigits(toDecimalDigits(value, 15), decimals);
    negative = digits.negative && digits.digits != "0";
    const std::string plain = plainText(digits);
    const auto point = plain.find('.');
    std::string integerPart = plain.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : plain.substr(point + 1);
    fraction.resize(static_cast<std::size_t>(decimals), '0');
    if (tristate(options.groupDigits, true)) integerPart = grouped(integerPart);
    if (integerPart == "0" && decimals > 0 && !tristate(options.leadingDigit, true))
        integerPart.clear();
    return decimals > 0 ? integerPart + "." + fraction : integerPart;
}

std::string withSign(const std::string& magnitude, bool negative,
                     const NumberFormatOptions& options) {
    if (!negative) return magnitude;
    if (tristate(options.parensForNegative, false)) return "(" + magnitude + ")";
    return "-" + magnitude;
}

} // namespace

std::string formatNumber(double value, const NumberFormatOptions& options) {
    bool negative = false;
    const std::string magnitude = magnitudeText(value, options, negative);
    return withSign(magnitude, negative, options);
}

std::string formatCurrency(double value, const NumberFormatOptions& options) {
    bool negative = false;
    const std::string magnitude = magnitudeText(value, options, negative);
    return withSign("$" + magnitude, negative, options);
}

std::string formatPercent(double value, const NumberFormatOptions& options) {
    bool negative = false;
    const std::string magnitude = magnitudeText(value * 100.0, options, negative);
    return withSign(magnitude + "%", negative, options);
}

} // namespace tabulo::vbs::rt
