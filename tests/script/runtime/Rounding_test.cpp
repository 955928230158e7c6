// Round, Hex and Oct as scripts see them are checked by tests/script/builtins/rounding.vbs.
// The conversions below are the runtime's own; the interpreter converts with its own
// helpers, so no script reaches them.
#include "script/vbscript/runtime/Rounding.h"

#include <gtest/gtest.h>

namespace tabulo::vbs::rt {
namespace {

TEST(Rounding, IntRoundsDownFixTowardZero) {
    EXPECT_EQ(intPart(-2.5), -3);
    EXPECT_EQ(fixPart(-2.5), -2);
}

TEST(Rounding, IntegerConversionsRoundThenCheckTheirRange) {
    EXPECT_EQ(toInteger(2.5), 2);
    EXPECT_EQ(toInteger(3.5), 4);
    EXPECT_EQ(toInteger(32767.4), 32767);
    EXPECT_FALSE(toInteger(32767.5));
    EXPECT_EQ(toInteger(-32768.5), -32768);
    EXPECT_FALSE(toInteger(-32769));
    EXPECT_EQ(toLong(-2147483648.5), -2147483647 - 1);
    EXPECT_FALSE(toLong(2147483647.5));
    EXPECT_EQ(toByte(254.5), 254);
    EXPECT_FALSE(toByte(255.5));
    EXPECT_EQ(toByte(-0.5), 0);
    EXPECT_FALSE(toByte(-0.6));
}

TEST(Rounding, CurrencyHoldsTenThousandths) {
    EXPECT_EQ(toCurrency(1.23456), 12346);
    EXPECT_EQ(toCurrency(-1.5), -15000);
    EXPECT_EQ(toCurrency(922337203685477.5), 9223372036854775000);
    EXPECT_FALSE(toCurrency(922337203685477.625));
    EXPECT_EQ(toCurrency(-922337203685477.5), -9223372036854775000);
    EXPECT_EQ(toCurrency(0.00025), 2);
    EXPECT_FALSE(toCurrency(1e15));
    EXPECT_DOUBLE_EQ(currencyToDouble(12345), 1.2345);
}

} // namespace
} // namespace tabulo::vbs::rt
