#pragma once
// `create DESCRIPTION.json DB`: a new database from its JSON description (the format is
// documented in docs/database-description.md).

#include "base/FilePath.h"

#include <iosfwd>
#include <string>

namespace tabulo::cli {

struct CreateOptions {
    FilePath description;
    FilePath database;
    bool force = false; // replace a database of that name
};

int RunCreate(const CreateOptions& options, std::ostream& err);

} // namespace tabulo::cli
