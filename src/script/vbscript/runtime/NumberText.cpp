#include "NumberText.h"

#include "DecimalDigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
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
    const DecimalDigits d = toDecimalDigits(value, significant);
    const int decimals = static_cast<int>(d.digits.size()) - 1 - d.exponent;
    const bool plain = d.exponent < significant && decimals <= significant;
    return (d.negative ? "-" : "") + (plain ? plainText(d) : exponentText(d));
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// Copies a decimal number into the form from_chars reads ("123.5e-3"), dropping
// thousands separators; empty when the text is not such a number.
std::string normalisedDecimal(std::string_view text) {
    std::string out;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') out += '-';
        ++i;
    }
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            out += text[i];
            anyDigit = true;
        } else if (text[i] == ',' && anyDigit && i + 1 < text.size() && isDigit(text[i + 1])) {
            continue;
        } else {
            break;
        }
    }
    if (i < text.size() && text[i] == '.') {
        out += text[i++];
        for (; i < text.size() && isDigit(text[i]); ++i, anyDigit = true)
            out += text[i];
    }
    if (!anyDigit) return {};
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        out += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
        if (i >= text.size() || !isDigit(text[i])) return {};
        for (; i < text.size() && isDigit(text[i]); ++i)
            out += text[i];
    }
    return i == text.size() ? out : std::string{};
}

// For a normalised number out of the Double range: true when it is too small rather
// than too large (its decimal magnitude is negative).
bool isTiny(const std::string& number) {
    const auto e = number.find('e');
    const int exponent = e == std::string::npos ? 0 : std::atoi(number.c_str() + e + 1);
    const auto firstSignificant = number.find_first_of("123456789");
    const auto point = number.find('.');
    const auto digitsEnd = std::min({point, e, number.size()});
    const long magnitude = static_cast<long>(digitsEnd) - static_cast<long>(firstSignificant);
    return magnitude + exponent <= 0;
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

std::string integerToString(std::int64_t value) {
    return std::to_string(value);
}

std::optional<RadixValue> parseRadixDigits(std::string_view digits, int radix) {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int d = digitValue(c);
        if (d >= radix) return std::nullopt;
        value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
        if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    if (value <= 0xFFFF)
        return RadixValue{static_cast<std::int16_t>(static_cast<std::uint16_t>(value)), true};
    return RadixValue{static_cast<std::int32_t>(static_cast<std::uint32_t>(value)), false};
}

std::optional<double> parseNumber(std::string_view text) {
    text = trimBlanks(text);
    if (text.size() >= 2 && text[0] == '&') {
        const char kind = text[1];
        const int radix = (kind == 'h' || kind == 'H') ? 16 : (kind == 'o' || kind == 'O') ? 8 : 0;
        if (radix == 0) return std::nullopt;
        const auto value = parseRadixDigits(text.substr(2), radix);
        if (!value) return std::nullopt;
        return static_cast<double>(value->value);
    }
    const std::string number = normalisedDecimal(text);
    if (number.empty()) return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return isTiny(number) ? std::optional<double>(0.0) : std::nullopt;
    if (result.ec != std::errc{} || std::isinf(value)) return std::nullopt;
    return value;
}

} // namespace tabulo::vbs::rt
