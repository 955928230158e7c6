// Chooses between the plain and the exponent form from the decimal digits of a Double
// or Single; a Currency is written from its whole ten-thousandths.

#include "script/vbscript/runtime/NumberText.h"

#include "script/vbscript/runtime/DecimalDigits.h"

#include <cmath>
#include <string>

namespace tabulo::vbs::rt {

namespace {

std::string exponentText(const DecimalDigits& d) {
    std::string text(1, d.digits[0]);
    if (d.digits.size() > 1) text += "." + d.digits.substr(1);
    const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent;
    text += d.exponent < 0 ? "E-" : "E+";
    if (magnitude < 10) text += '0';
    return text + std::to_string(magnitude);
}

std::string floatingToString(double value, int significant) {
    if (std::isnan(value)) return "-1.#IND";
    if (std::isinf(value)) return value < 0 ? "-1.#INF" : "1.#INF";
    if (value == 0.0) return "0";
    // Whole numbers below the exponent threshold are common and need no rounding.
    if (std::fabs(value) < 1e15 && value == std::trunc(value) && significant == 15)
        return std::to_string(static_cast<std::int64_t>(value));
    const DecimalDigits d = toDecimalDigits(value, significant);
    const int decimals = static_cast<int>(d.digits.size()) - 1 - d.exponent;
    const bool plain = d.exponent < significant && decimals <= significant;
    return (d.negative ? "-" : "") + (plain ? plainText(d) : exponentText(d));
}

} // namespace

std::string doubleToString(double value) {
    return floatingToString(value, 15);
}

std::string singleToString(float value) {
    return floatingToString(static_cast<double>(value), 7);
}

std::string currencyToString(std::int64_t tenThousandths) {
    const bool negative = tenThousandths < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(tenThousandths)
                                             : static_cast<std::uint64_t>(tenThousandths);
    std::string text = (negative ? "-" : "") + std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(magnitude % 10000 + 10000).substr(1);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return fraction.empty() ? text : text + "." + fraction;
}

} // namespace tabulo::vbs::rt
