#include "CheckCommand.h"

#include "Console.h"
#include "DatabaseReader.h"
#include "HeaderChecks.h"
#include "InfoText.h"
#include "engine/DbAccess.h"
#include "engine/FileName.h"
#include "engine/PackRecovery.h"

#include <algorithm>
#include <chrono>
#include <ostream>
#include <vector>

namespace tabulo::cli {

namespace {

// How long check waits for the database's lock before it takes a pack to be running: another
// copy holds it only while it writes one record.
constexpr std::chrono::milliseconds kPackPatience{1000};

// A pack writes base.TbB and a copy of the old file as base.TbO, puts the packed file in the
// database's place, then renames base.TbO to base.Bak, all under the lock of the file at the
// database's path. Its files found while nobody holds that lock are left over from a pack
// that stopped; each is one line under the database's name.
void ReportPackLeftovers(FileSystem& fs, const FilePath& database, std::ostream& out,
                         long& problems) {
    const PackFileNames names = PackNamesOf(database);
    std::vector<std::string> found;
    for (const FilePath& leftover : {names.work, names.oldCopy})
        if (DbFile::Exists(fs, leftover.Native())) found.push_back(leftover.Native());
    if (found.empty()) return;
    if (PackIsRunning(fs, names, kPackPatience)) {
        out << database.Native() << ": a pack is running\n";
        return;
    }
    for (const std::string& leftover : found)
        out << database.Native() << ": " << leftover
            << " is left over from a pack that did not finish\n";
    problems += static_cast<long>(found.size());
}

// Beyond this many records with a wrong mark, the rest are counted in one line.
constexpr long kMarkLinesShown = 20;

class Checker {
public:
    Checker(const DatabaseReader& db, std::ostream& out) : db_(db), out_(out) {}

    long Problems() const { return problems_; }

    void Add(const std::string& problem) {
        out_ << db_.Path().Native() << ": " << problem << "\n";
        ++problems_;
    }

    void CheckSize() {
        const DBHeader& h = db_.Header();
        const StoredRecords stored = db_.Stored();
        const long claimed = std::max<long>(stored.claimed, 0);
        const int64_t held = stored.held;
        if (held > claimed)
            Add("records " + std::to_string(claimed + 1) + " to " + std::to_string(held) +
                " follow those the header counts: they are not shown, and a pack drops them");
        if (held >= claimed) {
            if (stored.trailingBytes > 0)
                Add(std::to_string(stored.trailingBytes) +
                    " bytes after the last record, from offset " +
                    std::to_string(RecordOffset(held + 1, h.RecordLength)));
            return;
        }
        Add("the header counts " + std::to_string(claimed) + " records, the file holds " +
            std::to_string(held));
        if (stored.trailingBytes > 0)
            Add("record " + std::to_string(held + 1) + " is cut short: " +
                std::to_string(stored.trailingBytes) + " of " + std::to_string(h.RecordLength) +
                " bytes, at offset " + std::to_string(RecordOffset(held + 1, h.RecordLength)));
    }

    void CheckMarks() {
        long wrong = 0;
        std::string error;
        const bool read = db_.ForEachRecord(
            1, db_.ReadableRecords(),
            [&](long k, std::string_view record) {
                if (record[0] == kLiveMark || record[0] == kDeletedMark) return true;
                if (++wrong <= kMarkLinesShown)
                    Add("record " + std::to_string(k) + " at offset " +
                        std::to_string(RecordOffset(k, db_.Header().RecordLength)) + ": mark " +
                        QuotedText(record.substr(0, 1)) + " is neither \" \" nor \"*\"");
                return true;
            },
            error);
        if (wrong > kMarkLinesShown)
            Add(std::to_string(wrong - kMarkLinesShown) + " more records with a wrong mark");
        if (!read) Add(error);
    }

    void CheckPackLeftovers(FileSystem& fs) {
        ReportPackLeftovers(fs, db_.Path(), out_, problems_);
    }

private:
    const DatabaseReader& db_;
    std::ostream& out_;
    long problems_ = 0;
};

} // namespace

int RunCheck(FileSystem& fs, const CheckOptions& options, std::ostream& out, std::ostream& err) {
    DatabaseReader db(fs);
    std::string error;
    if (!db.Open(options.database, error)) {
        err << kProgramName << ": " << error << "\n";
        long leftovers = 0; // a pack cut short may have left the database under other names
        if (!db.Path().Empty()) ReportPackLeftovers(fs, db.Path(), out, leftovers);
        return kExitProblem;
    }
    Checker checker(db, out);
    for (const std::string& problem : HeaderProblems(db.Header()))
        checker.Add(problem);
    for (const std::string& warning : HeaderWarnings(db.Header())) // they do not fail the check
        out << db.Path().Native() << ": warning: " << warning << "\n";
    if (db.RecordsReadable()) {
        checker.CheckSize();
        checker.CheckMarks();
    }
    checker.CheckPackLeftovers(fs);
    if (checker.Problems() > 0) return kExitProblem;
    out << db.Path().Native() << ": no problems found (" << db.ReadableRecords() << " records)\n";
    return kExitOk;
}

} // namespace tabulo::cli
