#include "script/vbscript/runtime/NumberFormat.h"

#include <gtest/gtest.h>

namespace tabulo::vbs::rt {
namespace {

constexpr int T = kTristateTrue;
constexpr int F = kTristateFalse;
constexpr int D = kTristateDefault;

struct Case {
    double value;
    NumberFormatOptions options;
    const char* expected;
};

TEST(NumberFormat, FormatNumberRoundsHalfAwayAndGroupsThousands) {
    const Case cases[] = {
        {1234.5, {}, "1,234.50"},
        {1234.5, {0}, "1,235"},
        {2.5, {0}, "3"},
        {-0.5, {0}, "-1"},
        {1.005, {}, "1.01"},
        {0.5, {-1, F}, ".50"},
        {-0.5, {-1, F}, "-.50"},
        {0.25, {0, F}, "0"},
        {-1234.5, {-1, D, T}, "(1,234.50)"},
        {1234567.891, {-1, D, D, F}, "1234567.89"},
        {1e20, {0}, "100,000,000,000,000,000,000"},
        {999.995, {}, "1,000.00"},
        {12345678, {-1, D, D, T}, "12,345,678.00"},
        {1.0 / 3.0, {20}, "0.33333333333333300000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatNumber(c.value, c.options), c.expected) << c.value;
}

TEST(NumberFormat, FormatCurrencyPutsTheDollarAfterTheSign) {
    const Case cases[] = {
        {1234.5, {}, "$1,234.50"},
        {-1234.5, {}, "-$1,234.50"},
        {-1234.5, {-1, D, T}, "($1,234.50)"},
        {0.5, {-1, F}, "$.50"},
        {1234.5, {0, D, D, F}, "$1235"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatCurrency(c.value, c.options), c.expected) << c.value;
}

TEST(NumberFormat, FormatPercentScalesByAHundred) {
    const Case cases[] = {
        {0.1234, {}, "12.34%"}, {0.5, {0}, "50%"},
        {-0.25, {}, "-25.00%"}, {-0.25, {-1, D, T}, "(25.00%)"},
        {1, {}, "100.00%"},     {12.5, {}, "1,250.00%"},
        {0.0005, {0}, "0%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatPercent(c.value, c.options), c.expected) << c.value;
}

} // namespace
} // namespace tabulo::vbs::rt
