#pragma once
// `describe DB [-o FILE] [--records]`: the JSON description of a database, which `create`
// turns back into the same header (and, with the records, the same file).

#include "base/FilePath.h"
#include "engine/FileSystem.h"

#include <iosfwd>
#include <string>

namespace tabulo::cli {

struct DescribeOptions {
    FilePath database;
    FilePath output; // empty: standard output
    bool records = false;
};

int RunDescribe(FileSystem& fs, const DescribeOptions& options, std::ostream& err);

} // namespace tabulo::cli
