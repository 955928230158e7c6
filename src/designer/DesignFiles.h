#pragma once
// The designer's files: a ".Tbd" database (its header is the design) or a JSON description,
// read into a Design; a design written as a new, empty database or as a description.
// Plain C++: errors come back as texts for the window to show. Databases are read and
// written on the file system given.

#include "base/FilePath.h"
#include "design/Design.h"
#include "engine/FileSystem.h"

#include <cstdint>
#include <string>

namespace tabulo::designer {

enum class FileKind { None, Database, Description };

struct OpenedDesign {
    bool ok = false;
    design::Design design;
    FileKind kind = FileKind::None;
    int32_t recordCount = 0; // of a database
    std::string error;
};

// A name ending in ".json" (any case) is a description; any other is a database.
FileKind KindOfName(const FilePath& path);

OpenedDesign ReadDesignFile(FileSystem& fs, const FilePath& path);

// Writes the design as a database with no records: under a work name first, flushed, then
// renamed to `path`. Refuses to replace an existing file, which may hold records.
std::string WriteNewDatabase(FileSystem& fs, const FilePath& path, const design::Design& d);
// A copy of a database under a new design, to try the form before it is saved: the records
// come along when the design keeps their layout (the record length and each field's
// characters), otherwise the copy has none. `original` may be empty (a design not saved
// yet). Replaces `to`.
std::string WriteTrialCopy(FileSystem& fs, const FilePath& original, const design::Design& opened,
                           const design::Design& d, const FilePath& to);
// A byte-for-byte copy of the database `original` under the new name `path`: under a work
// name first, flushed, then renamed. Refuses to replace an existing file. The original is
// only read.
std::string WriteDatabaseCopy(FileSystem& fs, const FilePath& original, const FilePath& path);
// Where the shipped sample database `name` (without ".Tbd") lies for the program in
// `programDir`: the installed share folder, else the build tree's samples folder.
FilePath SamplePath(const FilePath& programDir, const std::string& name);
// Writes (or replaces) the JSON description.
std::string WriteDescription(const FilePath& path, const design::Design& d);

} // namespace tabulo::designer
