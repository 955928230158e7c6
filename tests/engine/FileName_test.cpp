#include "engine/FileName.h"

#include <gtest/gtest.h>

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
        EXPECT_EQ(tabulo::DatabaseBaseName(c.given), c.base) << '"' << c.given << '"';
        EXPECT_EQ(tabulo::DatabaseFileName(c.given), std::string(c.base) + ".Tbd");
    }
}

} // namespace
