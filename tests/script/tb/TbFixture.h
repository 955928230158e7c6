#pragma once
// Shared set-up of the script object tests: a main database open in the engine, a look-up
// database written next to it, and the object with a recording reporter and window.

#include "FaultyFileSystem.h"
#include "NamedCase.h"
#include "RecordingReporter.h"
#include "RecordingScriptWindow.h"
#include "TempDir.h"
#include "TestDb.h"
#include "engine/modDB.h"
#include "script/clsField.h"

#include <gtest/gtest.h>

namespace tabulo::test {

// The main database: "Name" (characters 1-10) and "City" (11-18).
inline TestDb MainDb() {
    TestDb db;
    db.AddField("Name", 10).AddField("City", 8).AddRecord({"Ann", "Rome"});
    return db;
}

// The look-up database: CODE (1-4), CITY (5-14), Region stored in mixed case (15-20);
// record length 21. Record 2 is marked deleted.
inline TestDb CitiesDb() {
    TestDb db;
    db.AddField("CODE", 4).AddField("CITY", 10).AddField("Region", 6);
    db.AddRecord({"RM", "Rome", "Lazio"});
    db.AddDeletedRecord({"MI", "Milan", "Lomb"});
    db.AddRecord({"NA", "Naples", "Camp"});
    return db;
}

class TbTest : public ::testing::Test {
protected:
    TbTest() {
        std::string name = MainDb().Create(dir, "Main");
        EXPECT_EQ(engine.OpenDatabase(FilePath(name)), 1);
        lookupBase = CitiesDb().Create(dir, "Cities");
    }
    // Opens the look-up database and forgets the messages so far.
    void OpenLookup() {
        tb.OpenDB(lookupBase);
        ASSERT_EQ(tb.Cancel, 0);
        reporter.Clear();
    }
    std::string LookupBytes() const { return ReadFileBytes(lookupBase + ".Tbd"); }

    FaultyFileSystem faults;
    TempDir dir;
    RecordingReporter reporter;
    RecordingScriptWindow window;
    modDB engine{reporter, faults};
    clsField tb{engine, window, reporter};
    std::string lookupBase;
};

} // namespace tabulo::test
