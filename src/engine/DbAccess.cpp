#include "engine/DbAccess.h"

#include <algorithm>

namespace tabulo {

bool ReadHeader(const DbFile& file, DBHeader& header) {
    uint8_t bytes[kHeaderSize];
    if (file.ReadAt(0, bytes, kHeaderSize) != kHeaderSize) return false;
    header = DecodeHeader(bytes);
    return true;
}

bool UsableHeader(const DBHeader& header) {
    return header.RecordLength >= 1 && header.RecordLength <= kMaxRecordLength;
}

bool ReadRecordCount(const DbFile& file, int32_t& count) {
    uint8_t b[4];
    if (file.ReadAt(0, b, 4) != 4) return false;
    count = static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 |
                                 uint32_t(b[3]) << 24);
    return true;
}

bool WriteRecordCount(DbFile& file, int32_t count) {
    const auto u = static_cast<uint32_t>(count);
    const uint8_t b[4] = {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
    return file.WriteAt(0, b, 4);
}

FieldSpan FieldSpanInRecord(const DBField& f, size_t recordLength) {
    const long first = f.Offset;
    const long last = first + std::max<long>(f.Length, 0); // one past the end
    const long begin = std::clamp<long>(first, 0, static_cast<long>(recordLength));
    const long end = std::clamp<long>(last, begin, static_cast<long>(recordLength));
    return {static_cast<size_t>(begin), static_cast<size_t>(end),
            static_cast<size_t>(begin - std::min(first, begin))};
}

bool WriteLocked(DbFile& file, int64_t offset, const std::string& bytes) {
    ByteZeroLock lock(file);
    return lock.Held() && file.WriteAt(offset, bytes.data(), bytes.size()) && lock.Release();
}

} // namespace tabulo
