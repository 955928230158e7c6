#pragma once
// Helpers for every reader and writer of a database file: the engine, the script's look-up
// database and the browse grid. They address records and fields by the file's layout and never
// reach outside a record or a buffer, whatever the header says.

#include "engine/DBHeader.h"
#include "engine/DbFile.h"

#include <cstddef>
#include <cstdint>
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

// Reads and writes the record count (the Long at offset 0) alone.
bool ReadRecordCount(const DbFile& file, int32_t& count);
bool WriteRecordCount(DbFile& file, int32_t count);

// The characters of a record that a field covers, cut to the record: a header from another
// tool may place a field partly or wholly outside it.
struct FieldSpan {
    size_t begin = 0; // first character of the record inside the field
    size_t end = 0;   // one past the last
    size_t skip = 0;  // characters of the field that lie before the record's start
};
FieldSpan FieldSpanInRecord(const DBField& field, size_t recordLength);

// Holds the byte-0 lock while it lives; the lock is taken without waiting (see Held).
class ByteZeroLock {
public:
    explicit ByteZeroLock(DbFile& file) : file_(file), held_(file.TryLockByte0()) {}
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

// Writes the bytes at the offset under the byte-0 lock. False when the lock is held elsewhere
// or the write fails; the lock is released on every path.
bool WriteLocked(DbFile& file, int64_t offset, const std::string& bytes);

} // namespace tabulo
