#include "DatabaseReader.h"

#include "CliFiles.h"
#include "engine/DbAccess.h"
#include "engine/FileName.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tabulo::cli {

namespace {

constexpr size_t kPieceSize = 512 * 1024; // records are read in pieces of about this size

} // namespace

DatabaseReader::~DatabaseReader() {
    if (fd_ >= 0) ::close(fd_);
}

bool DatabaseReader::Open(const FilePath& name, std::string& error) {
    baseName_ = DatabaseBaseName(name);
    if (baseName_.Empty()) {
        error = "no database named";
        return false;
    }
    // The engine's rule: Stock.Tbd, or else the one Stock.tbd, Stock.TBD ... of the folder.
    path_ = FindDatabaseFile(fs_, baseName_);
    if (path_.Empty()) {
        path_ = DatabaseFileName(baseName_);
        error = path_.Native() + ": no such database";
        return false;
    }
    fd_ = ::open(path_.Native().c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0) {
        error = path_.Native() + ": cannot open: " + SystemReason();
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = path_.Native() + ": not a file";
        return false;
    }
    size_ = info.st_size;
    uint8_t bytes[kHeaderSize];
    if (size_ < kHeaderSize || ReadAt(0, bytes, kHeaderSize) != kHeaderSize) {
        error = path_.Native() + ": " + std::to_string(size_) + " bytes, shorter than the " +
                std::to_string(kHeaderSize) + "-byte header: not a database";
        return false;
    }
    header_ = DecodeHeader(bytes);
    return true;
}

bool DatabaseReader::RecordsReadable() const {
    return UsableHeader(header_);
}

StoredRecords DatabaseReader::Stored() const {
    return CountStoredRecords(header_.RecordCount, header_.RecordLength, size_);
}

long DatabaseReader::ReadAt(int64_t offset, void* buffer, size_t n) const {
    size_t done = 0;
    while (done < n) {
        const ssize_t got = ::pread(fd_, static_cast<char*>(buffer) + done, n - done,
                                    offset + static_cast<int64_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return -1;
        if (got == 0) break;
        done += static_cast<size_t>(got);
    }
    return static_cast<long>(done);
}

bool DatabaseReader::ForEachRecord(long first, long last, const RecordVisitor& visit,
                                   std::string& error) const {
    if (first > last) return true;
    if (!RecordsReadable() || first < 1 || last > Stored().held) {
        error = path_.Native() + ": records " + std::to_string(first) + " to " +
                std::to_string(last) + " are not all in the file";
        return false;
    }
    const auto length = static_cast<size_t>(header_.RecordLength);
    const long perPiece = static_cast<long>(std::max<size_t>(1, kPieceSize / length));
    std::vector<char> piece(static_cast<size_t>(perPiece) * length);
    for (long k = first; k <= last;) {
        const long count = std::min(perPiece, last - k + 1);
        const size_t bytes = static_cast<size_t>(count) * length;
        const long got = ReadAt(RecordOffset(k, header_.RecordLength), piece.data(), bytes);
        if (got != static_cast<long>(bytes)) {
            error = path_.Native() + ": cannot read record " + std::to_string(k) + ": " +
                    (got < 0 ? SystemReason() : "the file ended early");
            return false;
        }
        for (long i = 0; i < count; ++i, ++k)
            if (!visit(k, std::string_view(piece.data() + i * length, length))) return true;
    }
    return true;
}

int FieldInUseNamed(const DBHeader& h, std::string_view name) {
    const int count = std::clamp<int>(h.FieldCount, 0, kMaxFields);
    for (int slot = 1; slot <= count; ++slot)
        if (h.Fields[slot - 1].Page != 0 && TrimSpaces(h.Fields[slot - 1].Name) == name)
            return slot;
    return 0;
}

std::string_view FieldValue(const DBField& field, std::string_view record) {
    const FieldSpan span = FieldSpanInRecord(field, record.size());
    std::string_view value = record.substr(span.begin, span.end - span.begin);
    const size_t start = value.find_first_not_of(' ');
    if (start == std::string_view::npos) return {};
    return value.substr(start, value.find_last_not_of(' ') - start + 1);
}

} // namespace tabulo::cli
