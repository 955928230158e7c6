#pragma once
// `restructure DB NEW.json [--dry-run] [--allow-loss]`: gives a database the design of a
// description, keeping its records. Prints the plan first; a change that would lose values
// is made only with --allow-loss.

#include "base/FilePath.h"
#include "engine/FileSystem.h"

#include <iosfwd>
#include <string>

namespace tabulo::cli {

struct RestructureOptions {
    FilePath database;
    FilePath description;
    bool dryRun = false;    // print the plan, change nothing
    bool allowLoss = false; // remove and cut non-blank values when the plan says so
};

int RunRestructure(FileSystem& fs, const RestructureOptions& options, std::ostream& out,
                   std::ostream& err);

} // namespace tabulo::cli
