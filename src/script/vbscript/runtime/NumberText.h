#pragma once
// Numbers to text as CStr writes them, and text to numbers as CDbl/IsNumeric read them.
//
// Doubles keep 15 significant digits, Singles 7, without trailing zeros. The plain form
// is used while it needs no more than that many digits before the point and no more than
// that many after it; otherwise the exponent form "1E+15", "1.23456789012346E+17",
// "5.6789E-12" (at least two exponent digits, always signed). So 999999999999999 and
// 0.000000000000001 stay plain, 1E+15 and 1.99999997764826E-02 do not.
// Negative zero is written "0". Currency keeps up to 4 decimals and never an exponent.
//
// Text to number accepts: digits with an optional "." fraction (at least one digit in
// all), "," between digits of the integer part as thousands separators, an exponent
// "E"/"D" with optional sign, or a whole "&H" hex / "&O" octal number; around it blanks
// and one sign: a leading "+" or "-", a trailing "+" or "-" ("5-" is -5), or
// parentheses ("(5)" is -5). No currency symbols, no blanks inside the digits.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tabulo::vbs::rt {

std::string doubleToString(double value);
std::string singleToString(float value);
// Currency is held as an integer count of ten-thousandths.
std::string currencyToString(std::int64_t tenThousandths);

// CDbl / IsNumeric of a text; nullopt when it is not a number or overflows a Double.
std::optional<double> parseNumber(std::string_view text);

// The value of hex or octal digits (no prefix) as a literal or a "&H" text gives it:
// up to 0xFFFF it is an Integer (0x8000..0xFFFF are negative), up to 0xFFFFFFFF a Long
// (0x80000000.. negative). nullopt for no digits, a bad digit or more than 32 bits.
struct RadixValue {
    std::int32_t value = 0;
    bool isInteger = false; // fits the 16-bit Integer form
};
std::optional<RadixValue> parseRadixDigits(std::string_view digits, int radix);

} // namespace tabulo::vbs::rt
