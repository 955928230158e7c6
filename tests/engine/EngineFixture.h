#pragma once
// Shared set-up of the engine tests: a temporary directory, a recording reporter and an
// engine, a second copy of the program, plus a few databases made with TestDb.

#include "FaultyFileSystem.h"
#include "NamedCase.h"
#include "RecordingReporter.h"
#include "TempDir.h"
#include "TestDb.h"
#include "engine/DbFile.h"
#include "engine/modDB.h"

#include <gtest/gtest.h>

namespace tabulo::test {

// Two fields, "Name" (characters 1-10) and "City" (11-18): record length 19.
inline TestDb TwoFieldDb() {
    TestDb db;
    db.AddField("Name", 10, "A").AddField("City", 8, "U");
    return db;
}

// The bytes of a database without records followed by `count` blank ones, counted.
inline std::string WithBlankRecords(TestDb db, int32_t count) {
    return db.SetRecordCount(count).Bytes() + std::string(size_t(count) * db.RecordLength(), ' ');
}

class EngineTest : public ::testing::Test {
protected:
    // Writes the database and opens it; the reporter is cleared afterwards.
    std::string Open(const TestDb& db, const std::string& base = "Test") {
        return OpenBytes(db.Bytes(), base);
    }
    std::string OpenBytes(const std::string& bytes, const std::string& base = "Test") {
        std::string name = dir.File(base);
        WriteFileBytes(name + ".Tbd", bytes);
        const std::string path = name;
        EXPECT_EQ(engine.OpenDatabase(FilePath(name)), 1) << path;
        reporter.Clear();
        return path;
    }
    // A second copy of the program with the database open.
    void OpenInOtherCopy(const std::string& base) {
        std::string name = base;
        ASSERT_EQ(other.OpenDatabase(FilePath(name)), 1);
    }
    std::string FileBytes(const std::string& base) const { return ReadFileBytes(base + ".Tbd"); }

    FaultyFileSystem faults;
    TempDir dir;
    RecordingReporter reporter;
    modDB engine{reporter, faults};
    RecordingReporter otherReporter;
    modDB other{otherReporter, faults};
};

} // namespace tabulo::test
