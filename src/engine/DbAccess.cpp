#include "engine/DbAccess.h"

#include <algorithm>
#include <thread>

namespace tabulo {

namespace {

// A Long of the header, read alone.
bool ReadLongAt(const DbFile& file, int64_t offset, int32_t& value) {
    uint8_t b[4];
    if (file.ReadAt(offset, b, 4) != 4) return false;
    value = static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 |
                                 uint32_t(b[3]) << 24);
    return true;
}

} // namespace

bool ReadHeader(const DbFile& file, DBHeader& header) {
    uint8_t bytes[kHeaderSize];
    if (file.ReadAt(0, bytes, kHeaderSize) != kHeaderSize) return false;
    header = DecodeHeader(bytes);
    return true;
}

bool UsableHeader(const DBHeader& header) {
    return header.RecordLength >= 1 && header.RecordLength <= kMaxRecordLength;
}

StoredRecords CountStoredRecords(int32_t claimed, int32_t recordLength, int64_t fileSize) {
    StoredRecords r;
    r.claimed = claimed;
    const int64_t body = std::max<int64_t>(fileSize - kHeaderSize, 0);
    if (recordLength >= 1) {
        r.held = body / recordLength;
        r.trailingBytes = body % recordLength;
    }
    r.usable =
        static_cast<long>(std::clamp<int64_t>(claimed, 0, std::min<int64_t>(r.held, kMaxRecords)));
    return r;
}

bool ReadRecordCount(const DbFile& file, int32_t& count) {
    return ReadLongAt(file, 0, count);
}

bool WriteRecordCount(DbFile& file, int32_t count) {
    const auto u = static_cast<uint32_t>(count);
    const uint8_t b[4] = {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
    return file.WriteAt(0, b, 4);
}

bool SameRecordLayout(const DBHeader& a, const DBHeader& b) {
    if (a.RecordLength != b.RecordLength || a.FieldCount != b.FieldCount) return false;
    for (size_t i = 0; i < a.Fields.size(); ++i) {
        const DBField& f = a.Fields[i];
        const DBField& g = b.Fields[i];
        if ((f.Page == 0) != (g.Page == 0) || f.Offset != g.Offset || f.Length != g.Length ||
            f.Name != g.Name || f.Format != g.Format)
            return false;
    }
    return true;
}

OpenFileState CheckOpenFile(const DbFile& file, const DBHeader& header) {
    if (!file.IsStillAtPath()) return OpenFileState::Replaced;
    // Only the record length is read again, four bytes that keep the check cheap: a form
    // changed in place that keeps the length is not seen.
    int32_t length = 0;
    if (!ReadLongAt(file, 4, length)) return OpenFileState::Unreadable;
    return length == header.RecordLength ? OpenFileState::Current : OpenFileState::FormChanged;
}

OpenFileState OpenReplacement(FileSystem& fs, const std::string& path, const DBHeader& header,
                              std::unique_ptr<DbFile>& file, DBHeader& read) {
    std::unique_ptr<DbFile> opened = DbFile::Open(fs, path);
    if (!opened || !ReadHeader(*opened, read) || !UsableHeader(read))
        return OpenFileState::Unreadable;
    if (!SameRecordLayout(read, header)) return OpenFileState::FormChanged;
    file = std::move(opened);
    return OpenFileState::Current;
}

FieldSpan FieldSpanInRecord(const DBField& f, size_t recordLength) {
    const long first = f.Offset;
    const long last = first + std::max<long>(f.Length, 0); // one past the end
    const long begin = std::clamp<long>(first, 0, static_cast<long>(recordLength));
    const long end = std::clamp<long>(last, begin, static_cast<long>(recordLength));
    return {static_cast<size_t>(begin), static_cast<size_t>(end),
            static_cast<size_t>(begin - std::min(first, begin))};
}

bool LockByte0(DbFile& file, std::chrono::milliseconds patience) {
    bool held = file.TryLockByte0();
    if (held || patience.count() <= 0) return held;
    // The other copy holds the lock for the microseconds of one write; waits grow from a
    // fraction of a millisecond so that a short hold costs little and a long one few tries.
    const auto deadline = std::chrono::steady_clock::now() + patience;
    auto pause = std::chrono::microseconds(200);
    while (!held && DbFile::LockIsBusy(DbFile::LastError()) &&
           std::chrono::steady_clock::now() + pause <= deadline) {
        std::this_thread::sleep_for(pause);
        pause = std::min<std::chrono::microseconds>(pause * 2, std::chrono::milliseconds(20));
        held = file.TryLockByte0();
    }
    return held;
}

} // namespace tabulo
