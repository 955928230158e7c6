#include "Win1252.h"

#include <gtest/gtest.h>

namespace tabulo::tools {
namespace {

TEST(Win1252, EveryByteSurvivesTheWayThroughUtf8) {
    for (int byte = 0; byte < 256; ++byte) {
        std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(Utf8ToWin1252(Win1252ToUtf8(one)), one) << byte;
    }
}

TEST(Win1252, KnownCharacters) {
    EXPECT_EQ(Win1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(Win1252ToUtf8("Z\xFCrich"), "Z\u00FCrich");
    EXPECT_EQ(Utf8ToWin1252("\u2013 \u0153 \u00E9"), "\x96 \x9C \xE9");
}

TEST(Win1252, WhatItCannotHoldBecomesOneQuestionMark) {
    EXPECT_EQ(Utf8ToWin1252("a\u0101b"), "a?b");     // two-byte sequence
    EXPECT_EQ(Utf8ToWin1252("a\u4E2Db"), "a?b");     // three bytes
    EXPECT_EQ(Utf8ToWin1252("a\U0001F600b"), "a?b"); // four bytes
    EXPECT_EQ(Utf8ToWin1252("a\xC3"), "a?");         // cut short at the end
    EXPECT_EQ(Utf8ToWin1252("a\xC3(b"), "a?(b");     // a broken sequence spares the next
}

} // namespace
} // namespace tabulo::tools
