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
    State(Reporter& r, FileSystem& f) : reporter(r), fs(f) {}

    Reporter& reporter;
    FileSystem& fs;
    int twipsX = 15;
    int twipsY = 15;
    std::unique_ptr<DbFile> file;
    FilePath path;     // the file that is open: the one a pack or a reopen goes back to
    FilePath baseName; // the name it was opened by, as messages show it
    // header.RecordCount is the count that may be used: never more than the file holds.
    DBHeader header = DefaultHeader();
    StoredRecords stored; // the claim and the records held, as last measured
    long current = 0;
    std::string buffer;
    bool lastReadFailed = false; // set by every record read
    std::chrono::milliseconds lockPatience{0};
    unsigned long openCount = 0;
    // While this copy packs, the byte-0 lock of its open file is the pack's. That lock belongs
    // to the open file, not to the caller that took it: a write of this copy would take it
    // "again" and, releasing it, free it for every other copy in the middle of the pack. So the
    // writes (and the close, which would pull the file from under the pack) are refused.
    bool packing = false;
    // Why the open file can only be read (the system's reason); empty when it can be written.
    std::string readOnly;
    // Why OpenFile failed last: the reason and the file, as the second line of a message.
    std::string openFailure;

    bool IsOpen() const { return file != nullptr; }
    bool IsReadOnly() const { return !readOnly.empty(); }
    // Shows the box (critical icon) and gives the failure result.
    int Fail(const char* title, const std::string& text) {
        reporter.Message(title, text, MsgIcon::Critical);
        return 0;
    }
    // "Unexpected Error" under the title, with what went wrong on a second line.
    int FailBecause(const char* title, const std::string& why) {
        return Fail(title, std::string(kUnexpected) + "\r\n" + why);
    }
    // The same, giving the system's reason for the last failed file step and the file.
    int FailIo(const char* title);
    // Refuses a write to a database that was opened for reading only.
    int FailReadOnly(const char* title) {
        return FailBecause(title, readOnly + ": " + path.Text());
    }
    // A write asked for while this copy packs (see packing).
    int RefuseWhilePacking(const char* title) {
        return FailBecause(title, "The database is being packed.");
    }
    // Opens the file at path as the database named base, current record 1 (0 when it holds
    // none) not yet read: for reading and writing, or for reading only when the system
    // refuses writing to the file or its folder. False, with the state unchanged and the
    // reason in openFailure, when it cannot be read as one.
    bool OpenFile(const FilePath& filePath, const FilePath& base);
    // The same for a file already opened and its header read; readOnlyReason is why it was
    // opened for reading only (empty when it can be written).
    bool TakeFile(std::unique_ptr<DbFile> opened, DBHeader read, const FilePath& filePath,
                  const FilePath& base, std::string readOnlyReason);
    // Reads the current record into the buffer; reports a failure under "ReadRecord".
    int ReadCurrent();
    // Says that the header claims more records than the file holds.
    void ReportMissingRecords() const;
    // Re-reads RecordCount from the file; keeps the count last known when that fails.
    void RefreshRecordCount();
    // The count to use for a claim read from the file; measures the file again when the
    // claim goes beyond what it held when last measured.
    long UsableCount(int32_t claimed);
    // After a write found the open file not Current (its lock released): opens the file at
    // the path instead and returns true when it is a database of the same form; otherwise
    // keeps the open file, says why under title and returns false.
    bool FollowReplacement(OpenFileState found, const char* title);
    // Whole records that the file holds after the last one its count covers (or beyond the
    // most a file may hold), measured now; 0 when it cannot be read. Only meaningful while
    // the lock is held, since an append writes its record before the count.
    int64_t RecordsBeyondCount() const;
    // Says that the file holds records that its header does not count.
    void ReportRecordsBeyondCount(int64_t beyond) const;
    // The locked writes of WriteRecord and DeleteRecord, and of AddRecord once the lock is held
    // and the file found current.
    int RewriteCurrent(const char* title);
    int AppendLocked(ByteZeroLock& lock, const std::function<void(long number)>& numberRecord,
                     RecordMark mark);
    // Closes the file (if any) and puts every member back to its default.
    void Reset();
};

} // namespace tabulo
