#include "script/vbscript/runtime/NumberText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace tabulo::vbs::rt {
namespace {

TEST(NumberText, DoublesKeepFifteenDigitsAndSwitchToExponentsAtTheEdges) {
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {1.5, "1.5"},
        {-0.25, "-0.25"},
        {0.56789, "0.56789"},
        {3.141592653589793, "3.14159265358979"},
        {12.345678901234567, "12.3456789012346"},
        {1.0 / 3.0, "0.333333333333333"},
        {0.1 + 0.2, "0.3"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E+15"},
        {1.234e16, "1.234E+16"},
        {123456789012345678.0, "1.23456789012346E+17"},
        {999999999999999.9, "1E+15"},
        {0.0001, "0.0001"},
        {1e-15, "0.000000000000001"},
        {1e-16, "1E-16"},
        {5.6789e-12, "5.6789E-12"},
        {0.02 - 2.2351741790771484e-10, "1.99999997764826E-02"},
        {1.0 / 30.0, "3.33333333333333E-02"},
        {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        {4.94065645841247e-324, "4.94065645841247E-324"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(doubleToString(c.value), c.expected) << c.value;
}

TEST(NumberText, SinglesKeepSevenDigits) {
    struct Case {
        float value;
        const char* expected;
    };
    const Case cases[] = {
        {1.5f, "1.5"},          {1234567.0f, "1234567"}, {1e7f, "1E+07"}, {3.1415927f, "3.141593"},
        {-2.5e-8f, "-2.5E-08"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(singleToString(c.value), c.expected) << c.value;
}

TEST(NumberText, CurrencyAndIntegers) {
    EXPECT_EQ(currencyToString(12345), "1.2345");
    EXPECT_EQ(currencyToString(15000), "1.5");
    EXPECT_EQ(currencyToString(-5), "-0.0005");
    EXPECT_EQ(currencyToString(std::numeric_limits<std::int64_t>::max()), "922337203685477.5807");
    EXPECT_EQ(currencyToString(std::numeric_limits<std::int64_t>::min()), "-922337203685477.5808");
    EXPECT_EQ(integerToString(-32768), "-32768");
}

TEST(NumberText, ParseNumberAcceptsWhatIsNumericAccepts) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case accepted[] = {
        {"\t-7\t", -7},     {"+3.5", 3.5},  {"-.5", -0.5},      {"1.", 1},
        {"2.5E-3", 0.0025}, {"1d2", 100},   {"1E+02", 100},     {"1,234,567.5", 1234567.5},
        {"&hff", 255},      {"&HFFFF", -1}, {"&H10000", 65536}, {"&HFFFFFFFF", -1},
        {"&O17", 15},       {"1e-400", 0},  {"007", 7},
    };
    for (const auto& c : accepted) {
        const auto value = parseNumber(c.text);
        ASSERT_TRUE(value) << c.text;
        EXPECT_DOUBLE_EQ(*value, c.expected) << c.text;
    }
    const char* rejected[] = {"",    " ",    ".",           "-",     "+-1",  "1e", "1e+", "abc",
                              "1a",  "1 2",  "1..2",        "1.2.3", ",1",   "1,", "$1",  "&H",
                              "&HG", "&O8",  "&H100000000", "1e400", "&X10", "()", "(1",  "1)",
                              "-1-", "-(1)", "5--",         "1e1.",  "1 e1"};
    for (const char* text : rejected)
        EXPECT_FALSE(parseNumber(text)) << text;
}

TEST(NumberText, RadixDigitsWrapLikeLiterals) {
    struct Case {
        const char* digits;
        int radix;
        std::int32_t value;
        bool isInteger;
    };
    const Case cases[] = {
        {"7FFF", 16, 32767, true},
        {"8000", 16, -32768, true},
        {"FFFF", 16, -1, true},
        {"10000", 16, 65536, false},
        {"80000000", 16, -2147483647 - 1, false},
        {"177777", 8, -1, true},
    };
    for (const auto& c : cases) {
        const auto value = parseRadixDigits(c.digits, c.radix);
        ASSERT_TRUE(value) << c.digits;
        EXPECT_EQ(value->value, c.value) << c.digits;
        EXPECT_EQ(value->isInteger, c.isInteger) << c.digits;
    }
    EXPECT_FALSE(parseRadixDigits("", 16));
    EXPECT_FALSE(parseRadixDigits("19", 8));
}

TEST(NumberText, BooleansAsTextAndBack) {
    EXPECT_EQ(booleanToString(true), "True");
    EXPECT_EQ(parseBoolean("True"), true);
    EXPECT_EQ(parseBoolean(" FALSE "), false);
    EXPECT_EQ(parseBoolean("0"), false);
    EXPECT_EQ(parseBoolean("-1"), true);
    EXPECT_EQ(parseBoolean("0.5"), true);
    EXPECT_EQ(parseBoolean("#TRUE#"), true);
    EXPECT_FALSE(parseBoolean("#False#"));
    EXPECT_FALSE(parseBoolean("yes"));
    EXPECT_FALSE(parseBoolean(""));
}

} // namespace
} // namespace tabulo::vbs::rt
