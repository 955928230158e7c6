#pragma once
// The engine's state, shared by the files that implement modDB (the engine and pack).
// Not part of the public interface.

#include "engine/DBHeader.h"
#include "engine/DbAccess.h"
#include "engine/DbFile.h"
#include "engine/Reporter.h"
#include "engine/modDB.h"

#include <memory>
#include <string>

namespace tabulo {

struct modDB::State {
    explicit State(Reporter& r) : reporter(r) {}

    Reporter& reporter;
    int twipsX = 15;
    int twipsY = 15;
    std::unique_ptr<DbFile> file;
    std::string baseName;
    DBHeader header = DefaultHeader();
    long current = 0;
    std::string buffer;
    bool lastReadFailed = false; // set by every record read; pack stops on a failed read

    bool IsOpen() const { return file != nullptr; }
    // Shows the box (critical icon) and gives the failure result.
    int Fail(const char* title, const char* text) {
        reporter.Message(title, text, MsgIcon::Critical);
        return 0;
    }
    // Re-reads RecordCount from the file; keeps the count last known when that fails.
    void RefreshRecordCount();
    // Closes the file (if any) and puts every member back to its default.
    void Reset();
};

} // namespace tabulo
