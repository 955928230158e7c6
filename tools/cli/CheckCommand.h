#pragma once
// `check DB`: verifies a database without changing it and prints one line per problem:
// the header, the file's size against the record count, every record's mark, and the
// files that a pack cut short leaves behind. Fields whose input codes work against each
// other are warned of, without failing the check.

#include "base/FilePath.h"
#include "engine/FileSystem.h"

#include <iosfwd>
#include <string>

namespace tabulo::cli {

struct CheckOptions {
    FilePath database;
};

// kExitOk for a sound database, kExitProblem when anything was found.
int RunCheck(FileSystem& fs, const CheckOptions& options, std::ostream& out, std::ostream& err);

} // namespace tabulo::cli
