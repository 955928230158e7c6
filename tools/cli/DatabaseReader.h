#pragma once
// Read-only access to a database file for info, check and export. It never writes, never
// locks and never reads outside the file: the header is read whole, records in fixed-size
// pieces, so even a damaged file of any size is walked with bounded memory.

#include "base/FilePath.h"
#include "engine/DBHeader.h"
#include "engine/DbAccess.h"
#include "engine/FileSystem.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tabulo::cli {

class DatabaseReader {
public:
    // Finds the database by its name on fs.
    explicit DatabaseReader(FileSystem& fs) : fs_(fs) {}
    ~DatabaseReader();
    DatabaseReader(const DatabaseReader&) = delete;
    DatabaseReader& operator=(const DatabaseReader&) = delete;

    // Opens the database by the program's file-name rule ("Stock" opens Stock.Tbd) and reads
    // its header. False with the reason when the file is missing, unreadable or shorter than a
    // header.
    bool Open(const FilePath& name, std::string& error);

    const FilePath& Path() const { return path_; }
    const FilePath& BaseName() const { return baseName_; }
    const DBHeader& Header() const { return header_; }
    int64_t FileSize() const { return size_; }

    // Whether records can be addressed at all: a record length from 1 to the engine's limit.
    bool RecordsReadable() const;
    // The records that the header claims, those the file holds and those one can read (the
    // claim, at most what the file holds and at most the most a file may hold), as the engine
    // counts them.
    StoredRecords Stored() const;
    long ReadableRecords() const { return Stored().usable; }

    // Calls visit(k, record) for records first to last in order, each exactly RecordLength
    // bytes, reading the file in pieces; stops early when visit returns false. False (with the
    // reason) on a read error or when a record lies beyond the end of the file.
    using RecordVisitor = std::function<bool(long k, std::string_view record)>;
    bool ForEachRecord(long first, long last, const RecordVisitor& visit, std::string& error) const;

    // Reads up to n bytes at offset; the bytes read, or -1 on an error.
    long ReadAt(int64_t offset, void* buffer, size_t n) const;

private:
    FileSystem& fs_;
    int fd_ = -1;
    FilePath path_;
    FilePath baseName_;
    DBHeader header_;
    int64_t size_ = 0;
};

// The live-record mark and the deleted-record mark.
inline constexpr char kLiveMark = ' ';
inline constexpr char kDeletedMark = '*';

// The field in use (slots 1 to FieldCount) whose trimmed name is exactly `name`; names are
// compared as the program compares them, case included. 0 when there is none.
int FieldInUseNamed(const DBHeader& header, std::string_view name);

// The field's value in a record: its characters inside the record, blanks trimmed.
std::string_view FieldValue(const DBField& field, std::string_view record);

} // namespace tabulo::cli
