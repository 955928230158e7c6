#pragma once
// Shared set-up of the export tests: a database in a temporary folder, opened by a real
// engine with a recorder for its messages.

#include "RecordingReporter.h"
#include "TempDir.h"
#include "TestDb.h"
#include "engine/modDB.h"

#include <gtest/gtest.h>

namespace tabulo::test {

class ExportTest : public ::testing::Test {
protected:
    void Open(const TestDb& db) {
        std::string base = db.Create(dir, "Stock");
        ASSERT_EQ(engine.OpenDatabase(base), 1);
    }
    // The folder's file names other than the database's, sorted.
    std::vector<std::string> OtherFiles() const;

    TempDir dir;
    RecordingReporter reporter;
    modDB engine{reporter};
};

// NAME (10), NOTE (20), CITY (10); a line break, a quote, a comma, a marked record and a
// character above 127 among the values.
TestDb MixedDb();
inline constexpr const char* kMixedCsv = "#,NAME,NOTE,CITY\r\n"
                                         "1,\"Ann\",\"line one\nline two\",\"Rome\"\r\n"
                                         "2,\"Bob \"Jr\"\",\"x, y\",\"\"\r\n"
                                         "3,\"Zo\xEB\",\"\",\"Malm\xF6\"\r\n";

} // namespace tabulo::test
