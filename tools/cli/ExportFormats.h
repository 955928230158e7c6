#pragma once
// The formats of `export`. Each receives the chosen fields once, then the records one at a
// time (values as the file stores them, Windows-1252, trimmed), and writes as it goes.

#include "CliFiles.h"
#include "TextEncoding.h"
#include "engine/DBHeader.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo::cli {

struct ExportColumn {
    int slot = 0;
    DBField field;
    std::string name; // trimmed, Windows-1252
};

class RecordSink {
public:
    virtual ~RecordSink() = default;
    // False with the reason when the output cannot take these columns.
    virtual bool Begin(const std::vector<ExportColumn>& columns, std::string& error) = 0;
    // False with the reason when the record could not be written.
    virtual bool Record(long recno, bool deleted, std::span<const std::string_view> values,
                        std::string& error) = 0;
    // Completes the output; false with the reason when any of it failed.
    virtual bool Finish(std::string& error) = 0;
};

// The Export window's file, byte for byte (Windows-1252 unless asked for UTF-8).
std::unique_ptr<RecordSink> MakeTabuloSink(OutputFile& out, Encoding encoding);
// RFC 4180: a header row "recno,deleted,NAME,...", values quoted when they hold a comma, a
// quote or a line break, quotes doubled, CR LF line ends.
std::unique_ptr<RecordSink> MakeCsvSink(OutputFile& out, Encoding encoding);
// One JSON object per line: {"recno":1,"deleted":false,"NAME":"Ann",...}, UTF-8.
std::unique_ptr<RecordSink> MakeJsonLinesSink(OutputFile& out);

// RFC 4180 quoting of one value (already in the output's encoding).
void AppendCsvValue(std::string& out, std::string_view value);

} // namespace tabulo::cli
