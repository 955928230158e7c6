#pragma once
// `create DESCRIPTION.json DB`: a new database from its JSON description (the format is
// documented in docs/database-description.md).

#include <iosfwd>
#include <string>

namespace tabulo::cli {

struct CreateOptions {
    std::string description;
    std::string database;
    bool force = false; // replace a database of that name
};

int RunCreate(const CreateOptions& options, std::ostream& err);

} // namespace tabulo::cli
