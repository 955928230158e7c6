#pragma once
// `info DB`: the header as a person reads it, with the record count, the deleted count
// and the procedures of the script.

#include "base/FilePath.h"
#include "engine/FileSystem.h"

#include <iosfwd>
#include <string>

namespace tabulo::cli {

struct InfoOptions {
    FilePath database;
    bool script = false; // print the script text too
};

int RunInfo(FileSystem& fs, const InfoOptions& options, std::ostream& out, std::ostream& err);

} // namespace tabulo::cli
