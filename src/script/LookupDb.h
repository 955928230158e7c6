#pragma once
// LookupDb: the second database a script opens for look-ups. It has its own file and header
// copy and never touches the engine's state. There is no current record and no record
// buffer: every read and write addresses one field of one record in the file directly.

#include "base/FilePath.h"
#include "engine/DBHeader.h"
#include "engine/DbFile.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace tabulo {

// A file failure that the script object does not handle itself: it reaches the running
// script as a run-time error with this number and description.
class ScriptFileError : public std::runtime_error {
public:
    ScriptFileError(int32_t errorNumber, const std::string& description)
        : std::runtime_error(description), number(errorNumber) {}
    int32_t number;
};

class LookupDb {
public:
    // Opens its files on fs.
    explicit LookupDb(FileSystem& fs) : fs_(fs) {}

    bool IsOpen() const { return file_ != nullptr; }
    // Opens an existing file and reads its header; throws ScriptFileError when the file
    // cannot be opened or its header cannot be read.
    void Open(const FilePath& path);
    void Close();

    // Reads the whole header again from the file (throws ScriptFileError on failure).
    void ReloadHeader();
    const DBHeader& Header() const { return header_; }
    const DbFile& File() const { return *file_; }

    // The field slot whose trimmed name equals the given name trimmed and made capitals;
    // 0 when there is none. Stored names that are not all capitals never match.
    int FindField(const std::string& name) const;

    // The field's bytes in record k, trimmed (throws ScriptFileError on a read error).
    std::string ReadField(long k, int field) const;
    // Writes the value, padded or cut to the field's length, into record k under the
    // byte-0 lock, once sure that the file is still the database at its path.
    enum class Write {
        Done,
        Failed,     // the lock or the write failed
        Reopened,   // another copy packed the database: record k may be another record now,
                    // so nothing was written, and the packed file has been opened instead
        FormChanged // the file at the path has another form: nothing was written
    };
    Write WriteField(long k, int field, const std::string& value);

private:
    // The field's place in record k: its file offset and the bytes of it that lie inside
    // the record (a header from another tool may place a field partly outside it).
    struct Place {
        int64_t offset = 0;
        size_t size = 0;
        size_t skip = 0; // bytes of the field before the record's start
    };
    Place FieldPlace(long k, int field) const;

    FileSystem& fs_;
    std::unique_ptr<DbFile> file_;
    DBHeader header_;
};

} // namespace tabulo
