// The generator's state is one 24-bit seed: each Rnd steps it, Randomize mixes the
// bits of its number into it.

#include "script/vbscript/runtime/Random.h"

#include <bit>

namespace tabulo::vbs::rt {

namespace {

constexpr std::uint32_t kMultiplier = 0x43FD43FD;
constexpr std::uint32_t kIncrement = 0xC39EC3;
constexpr std::uint32_t kMask = 0xFFFFFF;

std::uint32_t floatBits(float value) {
    return std::bit_cast<std::uint32_t>(value);
}

std::uint32_t highWordOf(double value) {
    return static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(value) >> 32);
}

} // namespace

float RandomGenerator::next(float number) {
    if (number != 0.0f) {
        if (number < 0.0f) {
            const std::uint32_t bits = floatBits(number);
            seed_ = (bits + (bits >> 24)) & kMask;
        }
        seed_ = (seed_ * kMultiplier + kIncrement) & kMask;
    }
    return static_cast<float>(seed_ & kMask) / 16777216.0f;
}

void RandomGenerator::randomize(double number) {
    mixIntoSeed(highWordOf(number));
}

void RandomGenerator::randomizeWithTimer(float timer) {
    mixIntoSeed(floatBits(timer));
}

// The two halves of the word, exclusive-or'ed (the high half shifted arithmetically),
// replace the middle two bytes of the seed.
void RandomGenerator::mixIntoSeed(std::uint32_t word) {
    const auto signedWord = static_cast<std::int32_t>(word);
    const auto mixed = static_cast<std::uint32_t>((signedWord & 0xFFFF) ^ (signedWord >> 16));
    seed_ = (seed_ & 0xFF0000FFu) | (mixed << 8);
}

} // namespace tabulo::vbs::rt
