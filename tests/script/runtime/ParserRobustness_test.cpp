// Arbitrary texts made of the characters the parsers care about: no crash, and every
// accepted text yields a value the rest of the runtime can use.
#include "script/vbscript/runtime/DateFormat.h"
#include "script/vbscript/runtime/DateParse.h"
#include "script/vbscript/runtime/NumberFormat.h"
#include "script/vbscript/runtime/NumberText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace tabulo::vbs::rt {
namespace {

// Texts joined from fragments that each mean something to one of the parsers.
std::string randomText(std::mt19937& engine) {
    static constexpr std::string_view kFragments[] = {
        "1",  "5",  "12", "13", "29", "31", "60", "2024",  "99",    "100", "0",  "007",
        "/",  "-",  ".",  ":",  " ",  ",",  "\t", "Jan",   "may",   "PM",  "am", "Friday",
        "&H", "&O", "FF", "e",  "+",  "E5", "x",  "1e308", "99999", "(",   ")"};
    std::uniform_int_distribution<std::size_t> length(0, 9);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kFragments) - 1);
    std::string text;
    for (std::size_t n = length(engine); n > 0; --n)
        text += kFragments[pick(engine)];
    return text;
}

TEST(ParserRobustness, AcceptedTextsGiveUsableValues) {
    std::mt19937 engine(20240105);
    int dates = 0;
    int numbers = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::string text = randomText(engine);
        for (int order : {kDayFirst, kMonthFirst}) {
            if (const auto serial = parseDate(text, order, 2024)) {
                ASSERT_TRUE(dateToString(*serial, order)) << text;
                ++dates;
            }
        }
        if (const auto number = parseNumber(text)) {
            ASSERT_TRUE(std::isfinite(*number)) << text;
            ASSERT_FALSE(doubleToString(*number).empty());
            ASSERT_FALSE(formatNumber(*number).empty());
            ++numbers;
        }
    }
    EXPECT_GT(dates, 0);
    EXPECT_GT(numbers, 0);
}

} // namespace
} // namespace tabulo::vbs::rt
