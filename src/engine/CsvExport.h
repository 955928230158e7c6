#pragma once
// The file that the Export window writes: a header line "#,NAME,CITY" and one line per
// record, 12,"Ann","Rome", every line ending in CR LF, in the file's own Windows-1252 text.
// A value is the field as ReadField gives it (blanks trimmed) with every CR LF inside it
// written as a bare LF, so each record stays on one line. Quotes inside a value are written
// as they are, not doubled: the format is the program's own, not RFC 4180.

#include <iosfwd>
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

// Writes the whole export of the open database: the names of the given fields (in the order
// given; the window lists them in field-number order), then records 1 to GetRecordCount,
// those marked deleted included, each made current in turn. The record that was current
// before is current again afterwards. One record is held at a time and the stream gets the
// text in pieces of a few kilobytes. The progress sink sees every record; the sink itself
// decides how often to redraw. False when the stream failed.
bool WriteExportFile(modDB& db, const std::vector<int>& fieldNumbers, std::ostream& out,
                     ProgressSink& progress);

} // namespace tabulo
