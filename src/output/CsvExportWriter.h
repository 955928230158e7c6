#pragma once
// The export file: a header line "#,NAME,..." and one line per record, the record number
// followed by the chosen fields as stored, each in double quotes. Standard C++ only, so the
// window and the command-line tool write the same bytes.

#include <optional>
#include <string>
#include <vector>

namespace tabulo {

class modDB;
class ProgressSink;

// Why the export file could not be written.
struct CsvExportFailure {
    std::string file;   // the file that was to be written
    std::string reason; // the system's words, e.g. "Permission denied"
};

// Writes every record of the open database, marked ones included, with the given fields
// (numbers of free slots are left out) in field-number order. The file is written under a
// temporary name beside path and renamed at the end, so a failure leaves no partial file
// under the chosen name and an older file of that name as it was. Each record is made the
// engine's current record in turn; the record current before is made current again.
// Progress, when given, is shown whenever the whole percentage done grows, and hidden at
// the end.
std::optional<CsvExportFailure> WriteCsvExport(modDB& db, std::vector<int> fields,
                                               const std::string& path,
                                               ProgressSink* progress = nullptr);

} // namespace tabulo
