#pragma once
// `import DB FILE.csv`: appends the rows of an RFC 4180 file whose header row names fields.
// Each value is typed into its field, each record passes the checks made before saving,
// and "#" fields are numbered under the append's lock, so a window open on the same file
// sees the new records as its own appends.

#include "TextEncoding.h"
#include "base/FilePath.h"
#include "engine/FileSystem.h"

#include <iosfwd>
#include <string>

namespace tabulo::cli {

struct ImportOptions {
    FilePath database;
    FilePath csvFile;
    Encoding encoding = Encoding::Utf8;
    bool dryRun = false;       // check every row, write nothing
    bool allOrNothing = false; // write nothing when any row fails
};

class InputFile;

// kExitOk when every row went in, kExitProblem when a row was refused or the import failed
// (a read error of the file included: the rows read before it stay appended).
int RunImport(FileSystem& fs, const ImportOptions& options, std::ostream& out, std::ostream& err);
// The same, reading the rows from a file already open (options.csvFile names it in messages).
int ImportFrom(FileSystem& fs, InputFile& file, const ImportOptions& options, std::ostream& out,
               std::ostream& err);

} // namespace tabulo::cli
