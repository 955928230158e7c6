// Rnd and Randomize sequences are checked by tests/script/builtins/random.vbs and
// rnd_seed.vbs; a script cannot choose the timer value that Randomize seeds from.
#include "script/vbscript/runtime/Random.h"

#include <gtest/gtest.h>

namespace tabulo::vbs::rt {
namespace {

TEST(Random, RandomizeWithTheTimerLeavesTheUnseededSequence) {
    RandomGenerator c;
    c.randomizeWithTimer(45296.5f);
    EXPECT_NE(c.next(), RandomGenerator().next());
}

} // namespace
} // namespace tabulo::vbs::rt
