#include "ExportCommand.h"

#include "Console.h"
#include "DatabaseReader.h"
#include "ExportFormats.h"
#include "SqliteExport.h"
#include "base/CodePage.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace tabulo::cli {

namespace {

ExportColumn ColumnOf(const DBHeader& h, int slot) {
    return {slot, h.Fields[slot - 1], TrimSpaces(h.Fields[slot - 1].Name)};
}

// The chosen fields: every field in use, or the named ones. The Export window writes its
// fields in field-number order whatever the selection, and so does the tabulo format.
bool ChooseColumns(const DBHeader& h, const ExportOptions& options,
                   std::vector<ExportColumn>& columns, std::string& error) {
    const int count = std::clamp<int>(h.FieldCount, 0, kMaxFields);
    if (!options.fields) {
        for (int slot = 1; slot <= count; ++slot)
            if (h.Fields[slot - 1].Page != 0) columns.push_back(ColumnOf(h, slot));
        return true;
    }
    for (const std::string& given : *options.fields) {
        const int slot = FieldInUseNamed(h, Utf8ToCp1252(given));
        if (slot == 0) {
            error = "no field named " + given;
            return false;
        }
        columns.push_back(ColumnOf(h, slot));
    }
    if (options.format == ExportFormat::Tabulo)
        std::stable_sort(
            columns.begin(), columns.end(),
            [](const ExportColumn& a, const ExportColumn& b) { return a.slot < b.slot; });
    return true;
}

// The table is named after the database file, in UTF-8 as SQLite wants: a name that is not
// (from a system of another encoding) is read as Windows-1252.
std::string TableName(const FilePath& database) {
    const std::string name = database.FileName().Native();
    return IsValidUtf8(name) ? name : Cp1252ToUtf8(name);
}

std::unique_ptr<RecordSink> MakeSink(const ExportOptions& options, const DatabaseReader& db,
                                     OutputFile& out) {
    switch (options.format) {
    case ExportFormat::Tabulo:
        return MakeTabuloSink(out, options.encoding.value_or(Encoding::Cp1252));
    case ExportFormat::Csv:
        return MakeCsvSink(out, options.encoding.value_or(Encoding::Utf8));
    case ExportFormat::JsonLines:
        return MakeJsonLinesSink(out);
    case ExportFormat::Sqlite:
        return MakeSqliteSink(options.output, TableName(db.BaseName()));
    }
    return nullptr;
}

bool WriteRecords(const DatabaseReader& db, const std::vector<ExportColumn>& columns, bool liveOnly,
                  RecordSink& sink, std::string& error) {
    std::vector<std::string_view> values(columns.size());
    bool written = true;
    const bool read = db.ForEachRecord(
        1, db.ReadableRecords(),
        [&](long k, std::string_view record) {
            const bool deleted = record[0] == kDeletedMark;
            if (liveOnly && deleted) return true;
            for (size_t i = 0; i < columns.size(); ++i)
                values[i] = FieldValue(columns[i].field, record);
            written = sink.Record(k, deleted, values, error);
            return written;
        },
        error);
    return read && written;
}

int Fail(std::ostream& err, const std::string& error, int status = kExitProblem) {
    err << kProgramName << ": " << error << "\n";
    return status;
}

} // namespace

int RunExport(FileSystem& fs, const ExportOptions& options, std::ostream& err) {
    const bool textOutput = options.format != ExportFormat::Sqlite;
    const bool csvOrTabulo =
        options.format == ExportFormat::Tabulo || options.format == ExportFormat::Csv;
    if (!csvOrTabulo && options.encoding == Encoding::Cp1252)
        return Fail(err, "the jsonl and sqlite formats are always UTF-8", kExitUsage);
    if (!textOutput && options.output.Empty())
        return Fail(err, "the sqlite format needs an output file (-o FILE)", kExitUsage);
    DatabaseReader db(fs);
    std::string error;
    if (!db.Open(options.database, error)) return Fail(err, error);
    if (!db.RecordsReadable())
        return Fail(err, db.Path().Native() + ": record length " +
                             std::to_string(db.Header().RecordLength) +
                             ": the records cannot be read");
    std::vector<ExportColumn> columns;
    if (!ChooseColumns(db.Header(), options, columns, error))
        return Fail(err, db.Path().Native() + ": " + error, kExitUsage);
    const StoredRecords stored = db.Stored();
    if (stored.usable < stored.claimed)
        err << kProgramName << ": " << db.Path().Native() << ": the header counts "
            << stored.claimed << " records, the file holds " << stored.held << "; exporting "
            << stored.usable << "\n";
    std::error_code ignored;
    if (!options.output.Empty() &&
        std::filesystem::equivalent(options.output.Native(), db.Path().Native(), ignored))
        return Fail(err, options.output.Native() + ": that is the database itself", kExitUsage);
    OutputFile out;
    if (textOutput && !out.Open(options.output, error)) return Fail(err, error);
    const std::unique_ptr<RecordSink> sink = MakeSink(options, db, out);
    const bool ok = sink->Begin(columns, error) &&
                    WriteRecords(db, columns, options.liveOnly, *sink, error) &&
                    sink->Finish(error);
    std::string closeError;
    const bool closed = !textOutput || out.Close(closeError);
    if (!ok) return Fail(err, error);
    if (!closed) return Fail(err, closeError);
    return kExitOk;
}

} // namespace tabulo::cli
