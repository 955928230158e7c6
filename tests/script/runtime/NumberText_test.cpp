// Number texts as scripts see them are checked by tests/script/builtins/number_text.vbs;
// here only what no script reaches: the currency limits (script arithmetic stops short
// of them) and helpers the interpreter does not call.
#include "script/vbscript/runtime/NumberText.h"

#include <gtest/gtest.h>
#include <limits>

namespace tabulo::vbs::rt {
namespace {

TEST(NumberText, CurrencyLimitsAndIntegers) {
    EXPECT_EQ(currencyToString(std::numeric_limits<std::int64_t>::max()), "922337203685477.5807");
    EXPECT_EQ(currencyToString(std::numeric_limits<std::int64_t>::min()), "-922337203685477.5808");
    EXPECT_EQ(integerToString(-32768), "-32768");
}

TEST(NumberText, RadixDigitsSayWhetherTheyFitAnInteger) {
    struct Case {
        const char* digits;
        int radix;
        bool isInteger;
    };
    const Case cases[] = {{"7FFF", 16, true},   {"8000", 16, true},      {"FFFF", 16, true},
                          {"10000", 16, false}, {"80000000", 16, false}, {"177777", 8, true}};
    for (const auto& c : cases) {
        const auto value = parseRadixDigits(c.digits, c.radix);
        ASSERT_TRUE(value) << c.digits;
        EXPECT_EQ(value->isInteger, c.isInteger) << c.digits;
    }
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
