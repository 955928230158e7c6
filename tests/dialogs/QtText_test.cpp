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

// Characters outside Windows-1252 become one "?" each, a surrogate pair of Qt included.
TEST(QtText, CharactersMapToTheirWindows1252Bytes) {
    struct Case {
        const char* utf8;
        const char* bytes;
        bool backAgain; // the bytes give the same text
    };
    const Case cases[] = {
        {"Café €", "Caf\xE9 \x80", true},
        {"“Hi”", "\x93Hi\x94", true},
        {"Œuvre – 5", "\x8Cuvre \x96 5", true},
        {"a中b", "a?b", false},
        {"x😀y", "x?y", false},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.utf8);
        EXPECT_EQ(FromQString(text), c.bytes) << c.utf8;
        if (c.backAgain) {
            EXPECT_EQ(ToQString(c.bytes), text) << c.utf8;
        }
    }
}

} // namespace
} // namespace tabulo
