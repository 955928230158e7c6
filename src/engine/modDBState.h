#pragma once
// The engine's state, shared by the files that implement modDB (the engine, its writes and
// pack). Not part of the public interface.

#include "engine/DBHeader.h"
#include "engine/DbAccess.h"
#include "engine/DbFile.h"
#include "engine/Reporter.h"
#include "engine/modDB.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace tabulo {

inline constexpr const char* kUnexpected = "Unexpected Error";

struct modDB::State {
    explicit State(Reporter& r) : reporter(r) {}

    Reporter& reporter;
    int twipsX = 15;
    int twipsY = 15;
    std::unique_ptr<DbFile> file;
    std::string path;     // the file that is open: the one a pack or a reopen goes back to
    std::string baseName; // the name it was opened by, as messages show it
    // header.RecordCount is the count that may be used: never more than the file holds.
    DBHeader header = DefaultHeader();
    StoredRecords stored; // the claim and the records held, as last measured
    long current = 0;
    std::string buffer;
    bool lastReadFailed = false; // set by every record read
    std::chrono::milliseconds lockPatience{0};
    unsigned long openCount = 0;

    bool IsOpen() const { return file != nullptr; }
    // Shows the box (critical icon) and gives the failure result.
    int Fail(const char* title, const std::string& text) {
        reporter.Message(title, text, MsgIcon::Critical);
        return 0;
    }
    // Opens the file at path as the database named base, current record 1 (0 when it holds
    // none) not yet read. False, with the state unchanged, when it cannot be read as one.
    bool OpenFile(const std::string& filePath, const std::string& base);
    // Reads the current record into the buffer; reports a failure under "ReadRecord".
    int ReadCurrent();
    // Says that the header claims more records than the file holds.
    void ReportMissingRecords() const;
    // Re-reads RecordCount from the file; keeps the count last known when that fails.
    void RefreshRecordCount();
    // The count to use for a claim read from the file; measures the file again when the
    // claim goes beyond what it held when last measured.
    long UsableCount(int32_t claimed);
    // Another copy has packed the database: the file at the path is no longer the open one.
    bool Superseded() const;
    // The locked writes of WriteRecord and DeleteRecord, and of AddRecord once the lock is held.
    int RewriteCurrent(const char* title);
    int AppendLocked(ByteZeroLock& lock, const std::function<void(long number)>& numberRecord);
    // Closes the file (if any) and puts every member back to its default.
    void Reset();
};

} // namespace tabulo
