#pragma once
// `pack DB`: the engine's pack, which removes the records marked deleted and keeps the old
// file as ".Bak". It asks first on a terminal; without one it needs --yes. Records after
// those the header counts are dropped only when asked on a terminal, or given --force.

#include "base/FilePath.h"
#include "engine/FileSystem.h"

#include <iosfwd>
#include <string>

namespace tabulo::cli {

struct PackOptions {
    FilePath database;
    bool yes = false;   // answer the engine's question with Yes without asking
    bool force = false; // drop the records after those the header counts
};

int RunPack(FileSystem& fs, const PackOptions& options, std::ostream& out, std::ostream& err);

} // namespace tabulo::cli
