#pragma once
// Set-up of the pack tests: an engine that answers the pack's question, a recorded progress
// window, and the databases before and after a pack.

#include "EngineFixture.h"

#include <filesystem>

namespace tabulo::test {

// Records 2 and 4 marked deleted.
inline TestDb FiveRecords() {
    TestDb db = TwoFieldDb();
    return db.AddRecord({"One", "A"})
        .AddDeletedRecord({"Two", "B"})
        .AddRecord({"Three", "C"})
        .AddDeletedRecord({"Four", "D"})
        .AddRecord({"Five", "E"});
}

inline TestDb PackedFiveRecords() {
    TestDb db = TwoFieldDb();
    return db.AddRecord({"One", "A"}).AddRecord({"Three", "C"}).AddRecord({"Five", "E"});
}

class PackTest : public EngineTest {
protected:
    int Pack(bool answer = true) {
        reporter.AnswerNext(answer);
        return engine.PackRecords(progress);
    }
    // The names of the pack's own files left beside the database ("" when none).
    static std::string LeftOver(const std::string& base) {
        std::string found;
        for (const char* ext : {".TbB", ".TbO"})
            if (std::filesystem::exists(base + ext)) found += ext;
        return found;
    }

    RecordingProgress progress;
};

} // namespace tabulo::test
