#include "script/vbscript/runtime/Clock.h"
#include "script/vbscript/runtime/Random.h"

#include <gtest/gtest.h>

namespace tabulo::vbs::rt {
namespace {

TEST(Random, UnseededSequenceStartsWhereItAlwaysHas) {
    RandomGenerator rnd;
    EXPECT_EQ(rnd.next(0.0f), 327680.0f / 16777216.0f); // the initial seed itself
    EXPECT_FLOAT_EQ(rnd.next(), 0.7055475f);
    const float second = rnd.next();
    EXPECT_FLOAT_EQ(rnd.next(0.0f), second); // Rnd(0) repeats the last value

    RandomGenerator cleared; // Randomize 0 on a fresh generator clears the seed
    cleared.randomize(0.0);
    EXPECT_FLOAT_EQ(cleared.next(), 0.7641413f);
    EXPECT_FLOAT_EQ(cleared.next(), 0.3576428f);
}

TEST(Random, NegativeArgumentGivesTheSameValueEveryTime) {
    RandomGenerator a;
    RandomGenerator b;
    b.next();
    b.next();
    EXPECT_FLOAT_EQ(a.next(-1.0f), 0.2240070f);
    EXPECT_FLOAT_EQ(b.next(-1.0f), 0.2240070f);
    EXPECT_EQ(a.next(), b.next());
}

TEST(Random, RandomizeWithTheSameNumberRepeatsTheSequenceFromTheSameState) {
    RandomGenerator a;
    RandomGenerator b;
    a.randomize(42.0);
    b.randomize(42.0);
    for (int i = 0; i < 5; ++i) {
        const float value = a.next();
        EXPECT_EQ(value, b.next());
        EXPECT_GE(value, 0.0f);
        EXPECT_LT(value, 1.0f);
    }
    RandomGenerator c;
    c.randomizeWithTimer(45296.5f);
    EXPECT_NE(c.next(), RandomGenerator().next());
}

TEST(Clock, NowIsAValidMomentAndTimerStaysWithinTheDay) {
    EXPECT_TRUE(splitDate(nowSerial()));
    const double timer = secondsSinceMidnight();
    EXPECT_GE(timer, 0.0);
    EXPECT_LT(timer, 86400.0);
}

} // namespace
} // namespace tabulo::vbs::rt
