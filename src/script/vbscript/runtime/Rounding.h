#pragma once
// Rounding and integer conversions of the built-ins: banker's rounding (half to even)
// for CInt/CLng/CByte/CCur/Round, and Hex/Oct text.
// Conversions that do not fit their type return nullopt (the caller raises Overflow).

#include <cstdint>
#include <optional>
#include <string>

namespace tabulo::vbs::rt {

double roundHalfEven(double value);
// Round(value, decimals): half to even at the given decimal place (decimals >= 0).
double roundToDecimals(double value, int decimals);

std::optional<std::int16_t> toInteger(double value); // CInt
std::optional<std::int32_t> toLong(double value);    // CLng
std::optional<std::uint8_t> toByte(double value);    // CByte
// CCur: the value in ten-thousandths, rounded half to even.
std::optional<std::int64_t> toCurrency(double value);

// Hex/Oct of a whole value in a two's complement word of `bits` bits (16 for Integer
// and Byte values, 32 for Long): Hex(-1) is "FFFF" as Integer, "FFFFFFFF" as Long.
std::string hexText(std::int64_t value, int bits = 32);
std::string octText(std::int64_t value, int bits = 32);

} // namespace tabulo::vbs::rt
