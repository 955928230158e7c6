// What scripts reach (serials, DateSerial, TimeSerial, DateValue, TimeValue) is checked
// by tests/script/builtins/date_serial.vbs; here only what no script can pass or see.
#include "script/vbscript/runtime/DateSerial.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tabulo::vbs::rt {
namespace {

TEST(DateSerial, MakeDateIsTheInverseOfSplitDateIncludingNegativeSerials) {
    for (double serial : {45296.75, -1.25, -657433.5, 2958465.5, 0.25, 1.0}) {
        const auto parts = splitDate(serial);
        ASSERT_TRUE(parts);
        ASSERT_TRUE(makeDate(*parts));
        EXPECT_DOUBLE_EQ(*makeDate(*parts), serial);
    }
    EXPECT_FALSE(makeDate({2023, 2, 29}));
    EXPECT_FALSE(makeDate({2024, 1, 1, 24, 0, 0}));
    EXPECT_FALSE(makeDate({99, 12, 31}));
}

TEST(DateSerial, DatePartOfNotANumberIsDefinedAndInvalid) {
    EXPECT_FALSE(isValidSerial(datePartOf(std::nan(""))));
}

} // namespace
} // namespace tabulo::vbs::rt
