#include "dialogs/QtText.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

TEST(QtText, EveryByteSurvivesTheWayThroughQt) {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    const QString text = ToQString(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(FromQString(text), bytes);
}

TEST(QtText, CharactersMapBothWays) {
    EXPECT_EQ(ToQString("Caf\xE9 \x80"), QString::fromUtf8("Café €"));
    EXPECT_EQ(ToQString("\x93Hi\x94"), QString::fromUtf8("“Hi”"));
    EXPECT_EQ(FromQString(QString::fromUtf8("Œuvre – 5 €")), "\x8Cuvre \x96 5 \x80");
}

TEST(QtText, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    EXPECT_EQ(FromQString(QString::fromUtf8("a中b")), "a?b");
    EXPECT_EQ(FromQString(QString::fromUtf8("x😀y")), "x?y"); // a surrogate pair in Qt
}

} // namespace
} // namespace tabulo
