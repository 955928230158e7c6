#include "script/LookupDb.h"

#include "base/TextCase.h"
#include "base/modLIB.h"
#include "engine/DbAccess.h"

#include <algorithm>
#include <cassert>

namespace tabulo {

namespace {

// The run-time errors a file failure becomes in the script.
constexpr int32_t kDeviceIoError = 57;
constexpr int32_t kBadRecordLength = 59;
constexpr int32_t kPathFileAccessError = 75;

} // namespace

void LookupDb::Open(const FilePath& path) {
    std::unique_ptr<DbFile> file = DbFile::Open(fs_, path.Native());
    if (!file) throw ScriptFileError(kPathFileAccessError, "Path/File access error");
    file_ = std::move(file);
    try {
        ReloadHeader();
    } catch (const ScriptFileError&) {
        Close();
        throw;
    }
}

void LookupDb::Close() {
    if (file_) file_->Close();
    file_.reset();
    header_ = DBHeader();
}

void LookupDb::ReloadHeader() {
    std::string bytes(kHeaderSize, '\0');
    if (file_->ReadAt(0, bytes.data(), bytes.size()) != kHeaderSize)
        throw ScriptFileError(kDeviceIoError, "Device I/O error");
    DBHeader header = DecodeHeader(reinterpret_cast<const uint8_t*>(bytes.data()));
    // Record positions are computed from the length; without one no record can be found.
    if (header.RecordLength < 1) throw ScriptFileError(kBadRecordLength, "Bad record length");
    header_ = std::move(header);
}

int LookupDb::FindField(const std::string& name) const {
    const std::string wanted = UpperText(TrimSpaces(name));
    const int count = std::clamp<int>(header_.FieldCount, 0, kMaxFields);
    for (int n = 1; n <= count; ++n)
        if (TrimSpaces(header_.Fields[n - 1].Name) == wanted) return n;
    return 0;
}

LookupDb::Place LookupDb::FieldPlace(long k, int field) const {
    assert(field >= 1 && field <= kMaxFields && "look-up field slot out of range");
    const DBField& f = header_.Fields[field - 1];
    const long recordLength = header_.RecordLength;
    const long first = f.Offset;
    const long last = first + std::max<long>(f.Length, 0);
    const long begin = std::clamp<long>(first, 0, recordLength);
    const long end = std::clamp<long>(last, begin, recordLength);
    const int64_t record = kHeaderSize + static_cast<int64_t>(k - 1) * recordLength;
    return {record + begin, static_cast<size_t>(end - begin),
            static_cast<size_t>(begin - std::min(first, begin))};
}

std::string LookupDb::ReadField(long k, int field) const {
    const Place place = FieldPlace(k, field);
    std::string bytes(place.size, ' ');
    const long got = file_->ReadAt(place.offset, bytes.data(), bytes.size());
    if (got < 0) throw ScriptFileError(kDeviceIoError, "Device I/O error");
    // Bytes beyond the end of the file read as spaces.
    std::fill(bytes.begin() + got, bytes.end(), ' ');
    return TrimSpaces(bytes);
}

LookupDb::Write LookupDb::WriteField(long k, int field, const std::string& value) {
    const Place place = FieldPlace(k, field);
    const size_t length = static_cast<size_t>(std::max<int>(header_.Fields[field - 1].Length, 0));
    const std::string padded = FixedString(TrimSpaces(value), length);
    const std::string stored = padded.substr(std::min(place.skip, padded.size()), place.size);
    if (!file_->TryLockByte0()) return Write::Failed;
    OpenFileState found = CheckOpenFile(*file_, header_);
    const bool written = found == OpenFileState::Current &&
                         file_->WriteAt(place.offset, stored.data(), stored.size());
    const bool unlocked = file_->UnlockByte0();
    if (found == OpenFileState::Current) return written && unlocked ? Write::Done : Write::Failed;
    std::unique_ptr<DbFile> packed;
    DBHeader read;
    if (found == OpenFileState::Replaced)
        found = OpenReplacement(fs_, file_->Path(), header_, packed, read);
    if (found == OpenFileState::FormChanged) return Write::FormChanged;
    if (found != OpenFileState::Current) return Write::Failed;
    file_ = std::move(packed);
    header_ = std::move(read);
    return Write::Reopened;
}

} // namespace tabulo
