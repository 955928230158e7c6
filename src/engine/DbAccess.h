#pragma once
// Helpers for every reader and writer of a database file: the engine, the script's look-up
// database and the browse grid. They address records and fields by the file's layout and never
// reach outside a record or a buffer, whatever the header says.

#include "engine/DBHeader.h"
#include "engine/DbFile.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace tabulo {

// Longer records are taken as a damaged header rather than allocated.
inline constexpr int32_t kMaxRecordLength = 16 * 1024 * 1024;

// Byte offset of record k (1-based) in the file.
inline int64_t RecordOffset(long k, int32_t recordLength) {
    return kHeaderSize + static_cast<int64_t>(k - 1) * recordLength;
}

// Reads the whole header from the start of the file; false when the file cannot be read or is
// shorter than a header.
bool ReadHeader(const DbFile& file, DBHeader& header);
// A header whose records can be addressed: RecordLength from 1 to kMaxRecordLength.
bool UsableHeader(const DBHeader& header);

// What a file's size says about its records. Records that the header claims but the file
// does not hold are no records: the count to use is the claim, at most the whole records the
// file holds and at most kMaxRecords, and never below 0.
struct StoredRecords {
    int32_t claimed = 0;       // RecordCount of the header
    int64_t held = 0;          // whole records after the header
    int64_t trailingBytes = 0; // bytes after the last whole record
    long usable = 0;
};
StoredRecords CountStoredRecords(int32_t claimed, int32_t recordLength, int64_t fileSize);

// Reads and writes the record count (the Long at offset 0) alone.
bool ReadRecordCount(const DbFile& file, int32_t& count);
bool WriteRecordCount(DbFile& file, int32_t count);

// Whether records laid out by one header can be written with the other: the same record
// length and the same fields, each at the same place with the same name and input codes.
bool SameRecordLayout(const DBHeader& a, const DBHeader& b);

// What a writer says when the file it opened is no longer the database it writes to.
inline constexpr const char* kPackedByOther = "The database was packed by another user. Your "
                                              "change was not saved; the database has been "
                                              "reopened.";
inline constexpr const char* kFormChanged = "The database's form was changed by another user; "
                                            "close it and open it again.";

// What became of an open database file since it was opened with `header`, as a writer asks
// before every write, with the lock held.
enum class OpenFileState {
    Current,     // still the file at its path, with records of the same length
    Replaced,    // another file (or none) is at the path now: a pack, a copy put there
    FormChanged, // rewritten in place with another record length
    Unreadable   // the question could not be answered
};
OpenFileState CheckOpenFile(const DbFile& file, const DBHeader& header);

// The file now at the path of a Replaced one, opened with its header read, when its records
// are laid out as `header` says (Current); FormChanged when they are not, and Unreadable when
// it cannot be opened or read as a database.
OpenFileState OpenReplacement(FileSystem& fs, const std::string& path, const DBHeader& header,
                              std::unique_ptr<DbFile>& file, DBHeader& read);

// The characters of a record that a field covers, cut to the record: a header from another
// tool may place a field partly or wholly outside it.
struct FieldSpan {
    size_t begin = 0; // first character of the record inside the field
    size_t end = 0;   // one past the last
    size_t skip = 0;  // characters of the field that lie before the record's start
};
FieldSpan FieldSpanInRecord(const DBField& field, size_t recordLength);

// Takes the byte-0 lock without waiting, or, given a patience, tries again while another copy
// holds it, until that time has passed.
bool LockByte0(DbFile& file, std::chrono::milliseconds patience);

// Holds the byte-0 lock while it lives (taken as LockByte0 takes it).
class ByteZeroLock {
public:
    explicit ByteZeroLock(DbFile& file, std::chrono::milliseconds patience = {})
        : file_(file), held_(LockByte0(file, patience)) {}
    ~ByteZeroLock() {
        if (held_) file_.UnlockByte0();
    }
    ByteZeroLock(const ByteZeroLock&) = delete;
    ByteZeroLock& operator=(const ByteZeroLock&) = delete;

    bool Held() const { return held_; }
    // Releases the lock now; false when that failed.
    bool Release() {
        held_ = false;
        return file_.UnlockByte0();
    }

private:
    DbFile& file_;
    bool held_;
};

} // namespace tabulo
