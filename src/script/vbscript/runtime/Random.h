#pragma once
// Rnd and Randomize: the language's 24-bit linear congruential generator, so that a
// script that seeds it (Randomize n, or Rnd with a negative number) sees the same
// sequence as it always has. Without any seeding the first Rnd is 0.7055475.

#include <cstdint>

namespace tabulo::vbs::rt {

class RandomGenerator {
public:
    // Rnd(number): above zero (or no argument) the next value; zero the last value again;
    // below zero a value determined by the number alone (it reseeds the generator).
    float next(float number = 1.0f);
    // Randomize number: mixes the number's high 32 bits into the seed.
    void randomize(double number);
    // Randomize without a number: mixes in the Timer value (seconds since midnight).
    void randomizeWithTimer(float timer);

private:
    std::uint32_t seed_ = 0x50000;
    void mixIntoSeed(std::uint32_t word);
};

} // namespace tabulo::vbs::rt
