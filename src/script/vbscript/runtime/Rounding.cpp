// Half-to-even rounding and the range checks of the integer conversions, and the
// digits of Hex and Oct from the two's complement of the value.

#include "script/vbscript/runtime/Rounding.h"

#include <cmath>
#include <limits>

namespace tabulo::vbs::rt {

namespace {

template <typename T> std::optional<T> roundedInRange(double value, double low, double high) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= low && rounded <= high)) return std::nullopt;
    return static_cast<T>(rounded);
}

std::string radixText(std::int64_t value, int bits, unsigned shift) {
    const std::uint64_t mask = bits <= 0 || bits >= 64 ? ~0ull : (1ull << bits) - 1;
    std::uint64_t word = static_cast<std::uint64_t>(value) & mask;
    const unsigned digitMask = (1u << shift) - 1;
    std::string text;
    do {
        text.insert(text.begin(), "0123456789ABCDEF"[word & digitMask]);
        word >>= shift;
    } while (word != 0);
    return text;
}

} // namespace

double roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) return below + 1.0;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

double roundToDecimals(double value, int decimals) {
    if (decimals <= 0) return roundHalfEven(value);
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9007199254740992.0) return value;
    return roundHalfEven(scaled) / scale;
}

std::optional<std::int16_t> toInteger(double value) {
    return roundedInRange<std::int16_t>(value, -32768.0, 32767.0);
}

std::optional<std::int32_t> toLong(double value) {
    return roundedInRange<std::int32_t>(value, -2147483648.0, 2147483647.0);
}

std::optional<std::uint8_t> toByte(double value) {
    return roundedInRange<std::uint8_t>(value, 0.0, 255.0);
}

std::optional<std::int64_t> toCurrency(double value) {
    // Whole units and the fraction apart: value * 10000 would lose the last digits of
    // large amounts.
    if (!(std::fabs(value) < 922337203685478.0)) return std::nullopt;
    const double whole = std::trunc(value);
    const auto fraction = static_cast<std::int64_t>(roundHalfEven((value - whole) * 10000.0));
    const std::int64_t units = static_cast<std::int64_t>(whole) * 10000;
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    if ((fraction > 0 && units > kMax - fraction) || (fraction < 0 && units < kMin - fraction))
        return std::nullopt;
    return units + fraction;
}

std::string hexText(std::int64_t value, int bits) {
    return radixText(value, bits, 4);
}

std::string octText(std::int64_t value, int bits) {
    return radixText(value, bits, 3);
}

} // namespace tabulo::vbs::rt
