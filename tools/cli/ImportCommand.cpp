#include "ImportCommand.h"

#include "CliFiles.h"
#include "Console.h"
#include "CsvReader.h"
#include "ImportColumns.h"
#include "TypedValue.h"
#include "base/CodePage.h"
#include "editor/rules/NumberedAppend.h"
#include "editor/rules/UpdateChecks.h"
#include "engine/modDB.h"

#include <optional>
#include <ostream>

namespace tabulo::cli {

namespace {

std::string ReadFailure(long line, const std::string& reason, long appended) {
    return "line " + std::to_string(line) + ": reading the file failed (" + reason + "); " +
           std::to_string(appended) + " records appended before it";
}

// A row made into a record, ready to append.
struct PreparedRecord {
    long line = 0;
    std::string buffer;
    bool deleted = false;
};

class Importer {
public:
    Importer(modDB& db, const ImportOptions& options, std::ostream& err)
        : db_(db), options_(options), err_(err), fields_(db) {}

    bool ReadHeader(CsvReader& csv, const InputFile& input) {
        CsvRecord header;
        std::string error;
        const bool read = csv.Next(header);
        if (!input.Failure().empty())
            error = ReadFailure(header.line, input.Failure(), 0);
        else if (!read)
            error = "the file is empty: it needs a header row naming fields";
        else if (!header.problem.empty())
            error = "line 1: " + header.problem;
        else if (options_.encoding == Encoding::Utf8 && !header.values.empty() &&
                 header.values[0].starts_with("\xEF\xBB\xBF"))
            header.values[0].erase(0, 3); // the byte-order mark some programs put first
        if (error.empty() &&
            ReadImportColumns(db_.Header(), header.values, options_.encoding, columns_, error))
            return true;
        Say(error);
        return false;
    }

    // The row as a record, or nothing when it is refused (the reason already printed).
    std::optional<PreparedRecord> Prepare(const CsvRecord& row) {
        if (!Fill(row)) return std::nullopt;
        PreparedRecord record{row.line, db_.GetRecordBuffer(), deleted_};
        return record;
    }

    // Appends under the lock, "#" fields numbered there and the mark written with the
    // record; false when the engine refused (its message already printed).
    bool Append(const PreparedRecord& record) {
        db_.SetRecordBuffer(record.buffer);
        return AddNumberedRecord(db_, record.deleted ? RecordMark::Deleted : RecordMark::Live) == 1;
    }

    void Say(const std::string& text) {
        err_ << kProgramName << ": " << options_.csvFile.Native() << ": " << text << "\n";
    }

private:
    // The row's values in the engine's record buffer, checked as Update checks them.
    bool Fill(const CsvRecord& row) {
        if (!row.problem.empty()) return Refuse(row.line, row.problem);
        if (row.values.size() != columns_.size())
            return Refuse(row.line, std::to_string(row.values.size()) +
                                        " values, but the header row names " +
                                        std::to_string(columns_.size()));
        db_.ClearRecord();
        deleted_ = false;
        for (size_t i = 0; i < columns_.size(); ++i)
            if (!Enter(columns_[i], row.values[i], row.line)) return false;
        if (const std::optional<UpdateFailure> failure = RunUpdateChecks(fields_, true))
            return Refuse(row.line, ConsoleText(failure->Text));
        return true;
    }

    // Prints why the row on that line is refused (the reason in UTF-8); false, for the
    // caller to return.
    bool Refuse(long line, const std::string& reason) {
        Say("line " + std::to_string(line) + ": " + reason);
        return false;
    }

    bool Enter(const ImportColumn& column, const std::string& raw, long line) {
        std::string value, problem;
        const std::string where = ColumnTitle(column);
        if (!DecodeText(raw, options_.encoding, value, problem))
            return Refuse(line, where + problem);
        switch (column.kind) {
        case ImportColumn::Kind::RecordNumber:
            return true; // the append gives the number
        case ImportColumn::Kind::Deleted:
            if (value != "0" && value != "1" && !value.empty())
                return Refuse(line, where + "expected 0 or 1");
            deleted_ = value == "1";
            return true;
        case ImportColumn::Kind::Field:
            break;
        }
        const DBField& def = db_.Header().Fields[column.slot - 1];
        const TypedValue typed = TypeIntoField(RulesOf(def, db_.GetDateOrder()), value);
        if (!typed.problem.empty()) return Refuse(line, where + typed.problem);
        if (typed.cut)
            Say("line " + std::to_string(line) + ": " + where + "cut to the field's length, " +
                std::to_string(def.Length));
        db_.WriteField(column.slot, typed.text);
        return true;
    }

    static std::string ColumnTitle(const ImportColumn& column) {
        return (column.kind == ImportColumn::Kind::Field ? "field " : "column ") +
               Cp1252ToUtf8(column.name) + ": ";
    }

    modDB& db_;
    const ImportOptions& options_;
    std::ostream& err_;
    EngineFields<modDB> fields_;
    std::vector<ImportColumn> columns_;
    bool deleted_ = false; // the row being filled marks its record deleted
};

struct Tally {
    long appended = 0;
    long refused = 0;
    bool stopped = false; // the engine refused an append
    long unreadLine = 0;  // the line where reading the file failed; 0 when it did not
};

// The next row, or false at the end of the input or when reading it failed: a row cut short
// by a failed read is never used.
bool NextRow(CsvReader& csv, const InputFile& input, CsvRecord& row, Tally& tally) {
    const bool read = csv.Next(row);
    if (input.Failure().empty()) return read;
    tally.unreadLine = row.line;
    return false;
}

// Rows appended as they are read.
Tally ImportStreaming(Importer& importer, CsvReader& csv, const InputFile& input, bool dryRun) {
    Tally tally;
    CsvRecord row;
    while (!tally.stopped && NextRow(csv, input, row, tally)) {
        const std::optional<PreparedRecord> record = importer.Prepare(row);
        if (!record)
            ++tally.refused;
        else if (dryRun || importer.Append(*record))
            ++tally.appended;
        else
            tally.stopped = true;
    }
    return tally;
}

// Every row checked first; the records are appended only when none was refused and the
// whole file was read.
Tally ImportAllOrNothing(Importer& importer, CsvReader& csv, const InputFile& input, bool dryRun) {
    Tally tally;
    std::vector<PreparedRecord> records;
    CsvRecord row;
    while (NextRow(csv, input, row, tally)) {
        std::optional<PreparedRecord> record = importer.Prepare(row);
        if (record)
            records.push_back(std::move(*record));
        else
            ++tally.refused;
    }
    if (tally.refused > 0 || tally.unreadLine > 0 || dryRun) return tally;
    for (const PreparedRecord& record : records) {
        if (!importer.Append(record)) {
            tally.stopped = true;
            break;
        }
        ++tally.appended;
    }
    return tally;
}

} // namespace

int RunImport(FileSystem& fs, const ImportOptions& options, std::ostream& out, std::ostream& err) {
    InputFile file;
    std::string error;
    if (!file.Open(options.csvFile, error)) {
        err << kProgramName << ": " << options.csvFile.Native() << ": " << error << "\n";
        return kExitProblem;
    }
    return ImportFrom(fs, file, options, out, err);
}

int ImportFrom(FileSystem& fs, InputFile& file, const ImportOptions& options, std::ostream& out,
               std::ostream& err) {
    ConsoleReporter reporter(options.database.Native(), err);
    modDB db(reporter, fs);
    if (db.OpenDatabase(options.database) != 1) return kExitProblem;
    db.SetLockPatience(kLockPatience);
    Importer importer(db, options, err);
    CsvReader csv(file);
    if (!importer.ReadHeader(csv, file)) return kExitProblem;

    const Tally tally = options.allOrNothing
                            ? ImportAllOrNothing(importer, csv, file, options.dryRun)
                            : ImportStreaming(importer, csv, file, options.dryRun);
    if (tally.stopped) importer.Say("stopped: the database took no more records");
    if (tally.unreadLine > 0)
        importer.Say(ReadFailure(tally.unreadLine, file.Failure(), tally.appended));
    out << (options.dryRun ? "would append " : "appended ") << tally.appended << " records to "
        << db.GetBaseName().Native() << ".Tbd";
    if (tally.refused > 0) out << "; " << tally.refused << " rows refused";
    if (options.allOrNothing && (tally.refused > 0 || tally.unreadLine > 0))
        out << ", so nothing was written";
    out << "\n";
    return tally.refused > 0 || tally.stopped || tally.unreadLine > 0 ? kExitProblem : kExitOk;
}

} // namespace tabulo::cli
