#pragma once
// `export --format sqlite`: a SQLite database with one table named after the database:
// recno INTEGER PRIMARY KEY, deleted INTEGER, and one TEXT column per field, filled in one
// transaction through the SQLite C library.

#include "ExportFormats.h"
#include "base/FilePath.h"

#include <memory>
#include <string>

namespace tabulo::cli {

// The table goes into the SQLite file at path (created when missing); a table of that name
// already there is refused rather than replaced.
std::unique_ptr<RecordSink> MakeSqliteSink(const FilePath& path, const std::string& table);

} // namespace tabulo::cli
