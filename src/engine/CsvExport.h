#pragma once
// The export file: a header line "#,NAME,CITY" and one line per record, 12,"Ann","Rome",
// every line ending in CR LF, in the file's own Windows-1252 text. A value is the field as
// ReadField gives it (blanks trimmed) with every CR LF inside it written as a bare LF, so each
// record stays on one line. Quotes inside a value are written as they are, not doubled: the
// format is the program's own, not RFC 4180. The Export window and tabulo-cli both write it
// through these functions.

#include "base/FilePath.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo {

class modDB;
class ProgressSink;

// Line 1: "#", then "," and the name of each exported field.
void AppendExportHeader(std::string& out, std::span<const std::string> fieldNames);

// One record line: the record number in decimal, then "," and each value between quotes.
void AppendExportRecord(std::string& out, long recordNo, std::span<const std::string_view> values);

// Why the export file could not be written.
struct CsvExportFailure {
    FilePath file;      // the file that was to be written
    std::string reason; // the system's words, e.g. "Permission denied"
};

// Writes every record of the open database, marked ones included, with the given fields
// (numbers of free slots are left out) in field-number order. The file is written under a
// temporary name beside path and renamed at the end, so a failure leaves no partial file
// under the chosen name and an older file of that name as it was. Each record is made the
// engine's current record in turn, one at a time; the record current before is made current
// again. Progress, when given, is shown whenever the whole percentage done grows, and hidden
// at the end.
std::optional<CsvExportFailure> WriteCsvExport(modDB& db, std::vector<int> fields,
                                               const FilePath& path,
                                               ProgressSink* progress = nullptr);

} // namespace tabulo
