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

// A file name keeps every character, those Windows-1252 lacks too.
TEST(QtText, FileNamesCrossAsTheFileSystemsBytes) {
    const QString name = QString::fromUtf8("dossier/a中b €.Tbd");
    const FilePath path = ToFilePath(name);
    EXPECT_EQ(path.Native(), "dossier/a\xE4\xB8\xAD"
                             "b \xE2\x82\xAC.Tbd");
    EXPECT_EQ(ToQString(path), name);
}

} // namespace
} // namespace tabulo
