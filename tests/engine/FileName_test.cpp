#include "TempDir.h"
#include "engine/FileName.h"
#include "engine/PosixFileSystem.h"

#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(DatabaseFileName, AppliesTheNameRule) {
    struct Case {
        const char* given;
        const char* base;
    };
    for (const Case& c :
         {Case{"Stock", "Stock"}, Case{"Stock.tBd", "Stock"}, Case{"  Stock.TBD  ", "Stock"},
          Case{".TBD", ".TBD"}, Case{"a.Tbd", "a"}, Case{"Stock.Tbd.Tbd", "Stock.Tbd"},
          Case{"C:\\Data\\Stock.tbd", "C:\\Data\\Stock"}, Case{"", ""}}) {
        const tabulo::FilePath given(c.given);
        EXPECT_EQ(tabulo::DatabaseBaseName(given).Native(), c.base) << '"' << c.given << '"';
        EXPECT_EQ(tabulo::DatabaseFileName(given).Native(), std::string(c.base) + ".Tbd");
    }
}

// The file an open reaches on a system where names differ by case: the exact name first,
// else the one file whose extension is ".tbd" in another case; two such files name neither.
TEST(FindDatabaseFile, FallsBackToTheOneFileWhoseExtensionDiffersInCase) {
    struct Case {
        std::vector<const char*> files;
        const char* base;
        const char* found; // "" when the open says "not found"
    };
    const Case cases[] = {
        {{"STOCK.TBD"}, "STOCK", "STOCK.TBD"},
        {{"x.tbd"}, "x", "x.tbd"},
        {{"a.Tbd", "a.tbd"}, "a", "a.Tbd"},
        {{"b.tbd", "b.TBD"}, "b", ""},
        {{"Stock.TBD"}, "stock", ""},
        {{"c.tbd.Tbd"}, "c", ""},
        {{"d.csv"}, "d", ""},
    };
    for (const Case& c : cases) {
        tabulo::test::TempDir dir;
        for (const char* file : c.files)
            std::ofstream(dir.File(file)) << "x";
        const std::string found = tabulo::FindDatabaseFile(tabulo::MachineFileSystem(),
                                                           tabulo::FilePath(dir.File(c.base)))
                                      .Native();
        EXPECT_EQ(found, *c.found ? dir.File(c.found) : "") << c.base;
    }
    tabulo::test::TempDir dir;
    std::filesystem::create_directory(dir.File("e.tbd"));
    EXPECT_EQ(tabulo::FindDatabaseFile(tabulo::MachineFileSystem(), tabulo::FilePath(dir.File("e")))
                  .Native(),
              "")
        << "a folder is no database";
}

} // namespace
