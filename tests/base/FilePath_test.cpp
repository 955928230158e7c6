#include "base/FilePath.h"

#include <gtest/gtest.h>
#include <string>

namespace tabulo {
namespace {

// One row a path: its file name, its folder, and the names beside it that a pack and an
// export make. "\xC3\xA9" is e acute in the file system's UTF-8.
TEST(FilePath, SplitsAndRenamesByTheLastSeparatorAndDot) {
    struct Row {
        const char *path, *name, *folder, *bak;
    };
    for (const Row& r : {
             Row{"Stock.Tbd", "Stock.Tbd", "", "Stock.Bak"},
             Row{"data/Stock.tbd", "Stock.tbd", "data", "data/Stock.Bak"},
             Row{"/Stock.Tbd", "Stock.Tbd", "/", "/Stock.Bak"},
             Row{"a.b/Stock", "Stock", "a.b", "a.b/Stock.Bak"},
             Row{"d\xC3\xA9j\xC3\xA0/Caf\xC3\xA9.Tbd", "Caf\xC3\xA9.Tbd", "d\xC3\xA9j\xC3\xA0",
                 "d\xC3\xA9j\xC3\xA0/Caf\xC3\xA9.Bak"},
         }) {
        const FilePath path(r.path);
        EXPECT_EQ(path.FileName().Native(), r.name) << r.path;
        EXPECT_EQ(path.Folder().Native(), r.folder) << r.path;
        EXPECT_EQ(path.ReplaceExtension(".Bak").Native(), r.bak) << r.path;
        EXPECT_EQ((path.Folder() / path.FileName()), path) << r.path;
    }
}

TEST(FilePath, ComparesExtensionsWithoutAsciiCaseAndAppendsSuffixes) {
    const FilePath path("out/data.CSV");
    EXPECT_TRUE(path.HasExtension(".csv"));
    EXPECT_FALSE(path.HasExtension(".pdf"));
    EXPECT_FALSE(FilePath("csv/x").HasExtension(".csv")) << "the folder is not the name";
    EXPECT_EQ(path.WithSuffix(".part").Native(), "out/data.CSV.part");
    EXPECT_EQ((FilePath("out/") / FilePath("a")).Native(), "out/a");
}

TEST(FilePath, CarriesWindows1252TextToTheFileSystemsEncodingAndBack) {
    const FilePath path = FilePath::FromText("Caf\xE9");
    EXPECT_EQ(path.Native(), "Caf\xC3\xA9");
    EXPECT_EQ(path.Text(), "Caf\xE9");
    EXPECT_EQ(FilePath("\xE2\x82\xAC\xE4\xB8\x80").Text(), "\x80?") << "euro, then a CJK sign";
}

} // namespace
} // namespace tabulo
