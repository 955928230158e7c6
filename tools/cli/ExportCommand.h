#pragma once
// `export DB`: the records of a database in one of four formats, read straight from the
// file one piece at a time.

#include "TextEncoding.h"
#include "base/FilePath.h"
#include "engine/FileSystem.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tabulo::cli {

enum class ExportFormat { Tabulo, Csv, JsonLines, Sqlite };

struct ExportOptions {
    FilePath database;
    FilePath output;                                // empty: standard output
    std::optional<std::vector<std::string>> fields; // none: every field in number order
    ExportFormat format = ExportFormat::Csv;
    std::optional<Encoding> encoding; // default: Windows-1252 for tabulo, UTF-8 otherwise
    bool liveOnly = false;
};

int RunExport(FileSystem& fs, const ExportOptions& options, std::ostream& err);

} // namespace tabulo::cli
