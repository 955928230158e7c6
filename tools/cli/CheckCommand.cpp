#include "CheckCommand.h"

#include "Console.h"
#include "DatabaseReader.h"
#include "HeaderChecks.h"
#include "InfoText.h"
#include "engine/DbAccess.h"
#include "engine/FileName.h"

#include <algorithm>
#include <ostream>
#include <sys/stat.h>

namespace tabulo::cli {

namespace {

bool Newer(const struct stat& a, const struct stat& b) {
    if (a.st_mtim.tv_sec != b.st_mtim.tv_sec) return a.st_mtim.tv_sec > b.st_mtim.tv_sec;
    return a.st_mtim.tv_nsec > b.st_mtim.tv_nsec;
}

// A pack writes base.TbB and a copy of the old file as base.TbO, puts the packed file in the
// database's place, then renames base.TbO to base.Bak. Its work files left over, or a backup
// newer than the database, mean that one stopped. Each is one line under the database's name.
void ReportPackLeftovers(const std::string& database, std::ostream& out, long& problems) {
    const PackFileNames names = PackNamesOf(database);
    struct stat file {
    }, current{};
    for (const std::string& leftover : {names.work, names.oldCopy})
        if (::stat(leftover.c_str(), &file) == 0) {
            out << database << ": " << leftover
                << " is left over from a pack that did not finish\n";
            ++problems;
        }
    if (::stat(names.backup.c_str(), &file) == 0 && ::stat(database.c_str(), &current) == 0 &&
        Newer(file, current)) {
        out << database << ": " << names.backup
            << " is newer than the database: a pack may have been cut short\n";
        ++problems;
    }
}

// Beyond this many records with a wrong mark, the rest are counted in one line.
constexpr long kMarkLinesShown = 20;

class Checker {
public:
    Checker(const DatabaseReader& db, std::ostream& out) : db_(db), out_(out) {}

    long Problems() const { return problems_; }

    void Add(const std::string& problem) {
        out_ << db_.Path() << ": " << problem << "\n";
        ++problems_;
    }

    void CheckSize() {
        const DBHeader& h = db_.Header();
        const StoredRecords stored = db_.Stored();
        const long claimed = std::max<long>(stored.claimed, 0);
        const int64_t held = stored.held;
        const int64_t expected = RecordOffset(claimed + 1, h.RecordLength);
        const int64_t size = db_.FileSize();
        if (size > expected) {
            Add(std::to_string(size - expected) + " bytes after the last record, from offset " +
                std::to_string(expected));
            return;
        }
        if (size == expected) return;
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

    void CheckPackLeftovers() { ReportPackLeftovers(db_.Path(), out_, problems_); }

private:
    const DatabaseReader& db_;
    std::ostream& out_;
    long problems_ = 0;
};

} // namespace

int RunCheck(const CheckOptions& options, std::ostream& out, std::ostream& err) {
    DatabaseReader db;
    std::string error;
    if (!db.Open(options.database, error)) {
        err << kProgramName << ": " << error << "\n";
        long leftovers = 0; // a pack cut short may have left the database under other names
        if (!db.Path().empty()) ReportPackLeftovers(db.Path(), out, leftovers);
        return kExitProblem;
    }
    Checker checker(db, out);
    for (const std::string& problem : HeaderProblems(db.Header()))
        checker.Add(problem);
    if (db.RecordsReadable()) {
        checker.CheckSize();
        checker.CheckMarks();
    }
    checker.CheckPackLeftovers();
    if (checker.Problems() > 0) return kExitProblem;
    out << db.Path() << ": no problems found (" << db.ReadableRecords() << " records)\n";
    return kExitOk;
}

} // namespace tabulo::cli
