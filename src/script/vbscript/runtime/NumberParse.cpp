// Text to number: the reading side of NumberText.h (CDbl, IsNumeric, CBool of text).
#include "script/vbscript/runtime/NumberText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tabulo::vbs::rt {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
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

// The sign around a number: one leading "+", "-" or "(" or one trailing "+" or "-",
// with blanks anywhere outside the digits; "(...)" makes the number negative.
struct Sign {
    bool negative = false;
    bool given = false;
    bool parenthesis = false;
};

std::size_t skipLeading(std::string_view text, Sign& sign) {
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isBlank(c)) continue;
        if (sign.given || (c != '+' && c != '-' && c != '(')) break;
        sign.given = true;
        sign.negative = c != '+';
        sign.parenthesis = c == '(';
    }
    return i;
}

bool acceptTrailing(std::string_view text, std::size_t i, Sign& sign) {
    bool closed = !sign.parenthesis;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isBlank(c)) continue;
        if (c == ')' && !closed) {
            closed = true;
        } else if ((c == '+' || c == '-') && !sign.given) {
            sign.given = true;
            sign.negative = c == '-';
        } else {
            return false;
        }
    }
    return closed;
}

// Reads "123,456.78e-3" from position i into the form from_chars takes (thousands
// separators dropped, "D" exponents as "e"); returns the end, or npos for no number.
std::size_t scanDecimal(std::string_view text, std::size_t i, std::string& out) {
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            out += text[i];
            anyDigit = true;
        } else if (text[i] != ',' || !anyDigit || i + 1 >= text.size() || !isDigit(text[i + 1])) {
            break;
        }
    }
    if (i < text.size() && text[i] == '.') {
        out += text[i++];
        for (; i < text.size() && isDigit(text[i]); ++i, anyDigit = true)
            out += text[i];
    }
    if (!anyDigit) return std::string_view::npos;
    const char e = i < text.size() ? static_cast<char>(std::tolower(text[i])) : '\0';
    if (e != 'e' && e != 'd') return i;
    std::size_t k = i + 1;
    std::string exponent = "e";
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) exponent += text[k++];
    if (k >= text.size() || !isDigit(text[k])) return i; // not an exponent: stops here
    for (; k < text.size() && isDigit(text[k]); ++k)
        exponent += text[k];
    out += exponent;
    return k;
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

// The magnitude of the number at position i and where it ends.
struct Scanned {
    double value = 0;
    std::size_t end = 0;
};

std::optional<Scanned> scanRadix(std::string_view text, std::size_t i) {
    if (i + 1 >= text.size()) return std::nullopt;
    const char kind = static_cast<char>(std::tolower(text[i + 1]));
    const int radix = kind == 'h' ? 16 : kind == 'o' ? 8 : 0;
    if (radix == 0) return std::nullopt;
    std::size_t end = i + 2;
    while (end < text.size() && digitValue(text[end]) < radix)
        ++end;
    const auto value = parseRadixDigits(text.substr(i + 2, end - i - 2), radix);
    if (!value) return std::nullopt;
    return Scanned{static_cast<double>(value->value), end};
}

std::optional<Scanned> scanNumber(std::string_view text, std::size_t i) {
    if (i < text.size() && text[i] == '&') return scanRadix(text, i);
    std::string number;
    const std::size_t end = scanDecimal(text, i, number);
    if (end == std::string_view::npos) return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (!isTiny(number)) return std::nullopt;
        value = 0;
    } else if (result.ec != std::errc{} || std::isinf(value)) {
        return std::nullopt;
    }
    return Scanned{value, end};
}

} // namespace

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
    Sign sign;
    const std::size_t start = skipLeading(text, sign);
    const auto number = scanNumber(text, start);
    if (!number || !acceptTrailing(text, number->end, sign)) return std::nullopt;
    return sign.negative ? -number->value : number->value;
}

} // namespace tabulo::vbs::rt
