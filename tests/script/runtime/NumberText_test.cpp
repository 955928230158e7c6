// Number texts as scripts see them are checked by tests/script/builtins/number_text.vbs;
// here only what no script reaches: the currency limits (script arithmetic stops short
// of them) and the Integer flag of radix digits.
#include "script/vbscript/runtime/NumberText.h"

#include <gtest/gtest.h>
#include <limits>

namespace tabulo::vbs::rt {
namespace {

TEST(NumberText, CurrencyLimits) {
    EXPECT_EQ(currencyToString(std::numeric_limits<std::int64_t>::max()), "922337203685477.5807");
    EXPECT_EQ(currencyToString(std::numeric_limits<std::int64_t>::min()), "-922337203685477.5808");
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

} // namespace
} // namespace tabulo::vbs::rt
