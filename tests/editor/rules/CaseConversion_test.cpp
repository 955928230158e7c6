#include "BoxNotation.h"
#include "editor/rules/CaseConversion.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

TEST(Cp1252Case, MapsEveryLetterPairOfTheCodePage) {
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
}

TEST(ProperCase, StartsEveryWordWithACapital) {
    EXPECT_EQ(ProperCase("a\tb\r\nc\vd\fe"), "A\tB\r\nC\vD\fE");
    EXPECT_EQ(ProperCase(std::string("x\0y", 3)), std::string("X\0Y", 3));
    EXPECT_EQ(ProperCase("o'NEIL-SMITH 1ST \xE9LISE"), "O'neil-smith 1st \xC9lise");
}

// "L", "UL" and "F" alone go through the key table of KeyFilter_test.
TEST(ConvertCase, AppliesUpperThenLowerThenFirstCapitals) {
    EXPECT_EQ(ConvertCase("U", "abc \xE9"), "ABC \xC9");
    EXPECT_EQ(ConvertCase("UF", "mary ANN"), "Mary Ann");
    EXPECT_EQ(ConvertCase("N u l", "aBc"), "aBc");
}

TEST(ApplyCaseConversion, KeepsTheCaretAndDropsTheSelection) {
    const BoxState box = ApplyCaseConversion("U", test::ParseBox("ab[c]d"));
    EXPECT_EQ(test::ShowBox(box), "AB|CD");
    EXPECT_EQ(test::ShowBox(ApplyCaseConversion("U", BoxState{"ab", 9, 4})), "AB|");
}

} // namespace
} // namespace tabulo
