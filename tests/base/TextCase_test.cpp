#include "base/TextCase.h"

#include <gtest/gtest.h>
#include <string>

namespace tabulo {
namespace {

TEST(TextCase, MapsEveryLetterPairOfTheCodePage) {
    struct Pair {
        unsigned char small, capital;
    };
    for (Pair p :
         {Pair{'a', 'A'}, Pair{'z', 'Z'}, Pair{0xE9, 0xC9}, Pair{0xE0, 0xC0}, Pair{0xFE, 0xDE},
          Pair{0x9A, 0x8A}, Pair{0x9C, 0x8C}, Pair{0x9E, 0x8E}, Pair{0xFF, 0x9F}}) {
        EXPECT_EQ(Cp1252Upper(static_cast<char>(p.small)), static_cast<char>(p.capital));
        EXPECT_EQ(Cp1252Lower(static_cast<char>(p.capital)), static_cast<char>(p.small));
    }
    // Not letters, or letters without a capital of their own.
    for (char c : std::string_view("1@[{`\xD7\xF7\xDF\xB5\x80")) {
        EXPECT_EQ(Cp1252Upper(c), c) << int(c);
        EXPECT_EQ(Cp1252Lower(c), c) << int(c);
    }
    // Every byte either mapping changes comes back the other way.
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        EXPECT_TRUE(Cp1252Upper(c) == c || Cp1252Lower(Cp1252Upper(c)) == c) << b;
        EXPECT_TRUE(Cp1252Lower(c) == c || Cp1252Upper(Cp1252Lower(c)) == c) << b;
    }
}

TEST(TextCase, ConvertsWholeTextsByteForByte) {
    const std::string mixed("a\xE9Z\x9A\0\xFF", 6);
    EXPECT_EQ(UpperText(mixed), std::string("A\xC9Z\x8A\0\x9F", 6));
    EXPECT_EQ(LowerText(mixed), std::string("a\xE9z\x9A\0\xFF", 6));
    EXPECT_EQ(UpperText(""), "");
}

TEST(TextCase, ComparesWithoutCase) {
    struct Case {
        const char *a, *b;
        int expected;
    };
    const Case cases[] = {
        {"abc", "ABC", 0},
        {"\xE9t\xE9", "\xC9T\xC9", 0}, // accented letters fold like ASCII ones
        {"\x9C", "\x8C", 0},           // oe ligature, its capital in the 0x80s
        {"\xFF", "\x9F", 0},           // y diaeresis
        {"a", "B", -1},                // letters order as capitals
        {"_", "a", 1},                 // "_" lies after "A", before "a"
        {"ab", "AB c", -1},            // a prefix sorts first
        {"abd", "ABC", 1},
        {"\xDF", "SS", 1},    // sharp s has no capital and is no two letters
        {"\xD7", "\xF7", -1}, // times and divide are no case pair
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareWithoutCase(c.a, c.b), c.expected) << c.a << " / " << c.b;
        EXPECT_EQ(CompareWithoutCase(c.b, c.a), -c.expected) << c.b << " / " << c.a;
    }
}

} // namespace
} // namespace tabulo
