#include "script/vbscript/runtime/Rounding.h"

#include <gtest/gtest.h>

namespace tabulo::vbs::rt {
namespace {

TEST(Rounding, HalfwayValuesGoToTheEvenNeighbour) {
    struct Case {
        double value;
        double expected;
    };
    const Case cases[] = {
        {0.5, 0},     {1.5, 2},
        {2.5, 2},     {3.5, 4},
        {-0.5, 0},    {-1.5, -2},
        {-2.5, -2},   {2.4, 2},
        {2.6, 3},     {-2.6, -3},
        {-2.4, -2},   {0.0, 0},
        {1e17, 1e17}, {4503599627370495.5, 4503599627370496.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.value), c.expected) << c.value;
}

TEST(Rounding, RoundToDecimalPlaces) {
    struct Case {
        double value;
        int decimals;
        double expected;
    };
    const Case cases[] = {
        {0.125, 2, 0.12},    {0.375, 2, 0.38}, {-0.125, 2, -0.12}, {1234.5678, 0, 1235},
        {3.14159, 3, 3.142}, {2.5, 0, 2},      {1e300, 5, 1e300},  {123.456, 1, 123.5},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(roundToDecimals(c.value, c.decimals), c.expected)
            << c.value << " " << c.decimals;
}

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

TEST(Rounding, HexAndOctInTheirWordWidth) {
    struct Case {
        std::int64_t value;
        int bits;
        const char* hex;
        const char* oct;
    };
    const Case cases[] = {
        {255, 32, "FF", "377"},
        {-1, 32, "FFFFFFFF", "37777777777"},
        {-1, 16, "FFFF", "177777"},
        {-32768, 16, "8000", "100000"},
        {-2147483647 - 1, 32, "80000000", "20000000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hexText(c.value, c.bits), c.hex) << c.value;
        EXPECT_EQ(octText(c.value, c.bits), c.oct) << c.value;
    }
}

} // namespace
} // namespace tabulo::vbs::rt
