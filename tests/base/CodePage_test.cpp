#include "base/CodePage.h"

#include <gtest/gtest.h>
#include <string>

namespace tabulo {
namespace {

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

// Every byte round-trips through UTF-8 and code points; these map as shown.
TEST(CodePage, BytesMapToTheirCodePoints) {
    const std::string bytes = AllBytes();
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(bytes)), bytes);
    EXPECT_EQ(CodePointsToCp1252(Cp1252ToCodePoints(bytes)), bytes);
    struct Case {
        unsigned char byte;
        char32_t codePoint;
        const char* utf8;
    };
    const Case cases[] = {
        {0x00, 0x0000, "\0"},           {'A', U'A', "A"},
        {0x80, 0x20AC, "\xE2\x82\xAC"}, {0x81, 0x0081, "\xC2\x81"},
        {0x93, 0x201C, "\xE2\x80\x9C"}, {0x9D, 0x009D, "\xC2\x9D"},
        {0x9F, 0x0178, "\xC5\xB8"},     {0xFF, 0x00FF, "\xC3\xBF"},
    };
    for (const Case& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        const std::string utf8 = c.byte == 0 ? std::string(1, '\0') : std::string(c.utf8);
        EXPECT_EQ(Cp1252ToCodePoint(c.byte), c.codePoint) << int(c.byte);
        EXPECT_EQ(Cp1252ToUtf8(byte), utf8) << int(c.byte);
        EXPECT_EQ(Utf8ToCp1252(utf8), byte) << int(c.byte);
    }
}

TEST(CodePage, UnmappableCharactersBecomeOneQuestionMarkEach) {
    struct Case {
        std::u32string codePoints;
        std::string expected;
    };
    const Case cases[] = {
        {U"a\u0100b", "a?b"},   // Latin Extended-A outside the code page
        {U"x\u0085y", "x?y"},   // a C1 control that Windows-1252 replaced
        {U"\U0001F600!", "?!"}, // outside the Basic Multilingual Plane
        {U"\u20AC\u4E2D\u00FC", "\x80?\xFC"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CodePointsToCp1252(c.codePoints), c.expected);
}

TEST(CodePage, Utf8ThatCannotBeHeldOrIsMalformedNeverSpoilsItsNeighbours) {
    struct Case {
        std::string utf8;
        std::string expected;
        bool valid;
    };
    const Case cases[] = {
        {"a\xC4\x80z", "a?z", true},         // U+0100, valid but not in the code page
        {"a\xF0\x9F\x98\x80z", "a?z", true}, // four-byte sequence
        {"a\xE2\x82z", "a??z", false},       // sequence cut short
        {"a\x80z", "a?z", false},            // stray continuation byte
        {"a\xC0\xAFz", "a??z", false},       // overlong form of "/"
        {"a\xED\xA0\x80z", "a???z", false},  // encoded surrogate
        {"a\xFFz", "a?z", false},            // byte never used in UTF-8
        {"ab\xC3", "ab?", false},            // truncated at the end
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToCp1252(c.utf8), c.expected) << c.utf8;
        EXPECT_EQ(IsValidUtf8(c.utf8), c.valid) << c.utf8;
    }
}

} // namespace
} // namespace tabulo
