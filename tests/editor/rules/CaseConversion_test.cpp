#include "BoxNotation.h"
#include "editor/rules/CaseConversion.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

// ProperCase starts every word with a capital; ConvertCase applies upper, then lower, then
// first capitals ("L", "UL" and "F" alone go through the key table of KeyFilter_test);
// converting a box keeps the caret and drops the selection.
TEST(CaseConversion, ProperUpperLowerAndTheBox) {
    EXPECT_EQ(ProperCase("a\tb\r\nc\vd\fe"), "A\tB\r\nC\vD\fE");
    EXPECT_EQ(ProperCase(std::string("x\0y", 3)), std::string("X\0Y", 3));
    EXPECT_EQ(ProperCase("o'NEIL-SMITH 1ST \xE9LISE"), "O'neil-smith 1st \xC9lise");
    EXPECT_EQ(ConvertCase("U", "abc \xE9"), "ABC \xC9");
    EXPECT_EQ(ConvertCase("UF", "mary ANN"), "Mary Ann");
    EXPECT_EQ(ConvertCase("N u l", "aBc"), "aBc");
    EXPECT_EQ(test::ShowBox(ApplyCaseConversion("U", test::ParseBox("ab[c]d"))), "AB|CD");
    EXPECT_EQ(test::ShowBox(ApplyCaseConversion("U", BoxState{"ab", 9, 4})), "AB|");
}

} // namespace
} // namespace tabulo
