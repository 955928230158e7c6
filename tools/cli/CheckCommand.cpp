#include "CheckCommand.h"

#include "Console.h"
#include "DatabaseReader.h"
#include "HeaderChecks.h"
#include "InfoText.h"
#include "engine/DbAccess.h"

#include <ostream>
#include <sys/stat.h>

namespace tabulo::cli {

namespace {

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
        const long claimed = db_.ClaimedRecords(), held = db_.HeldRecords();
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
        const int64_t torn = size - RecordOffset(held + 1, h.RecordLength);
        if (torn > 0)
            Add("record " + std::to_string(held + 1) + " is cut short: " + std::to_string(torn) +
                " of " + std::to_string(h.RecordLength) + " bytes, at offset " +
                std::to_string(RecordOffset(held + 1, h.RecordLength)));
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

    // A pack builds base.TbB, renames the database to base.Bak and the work file into its
    // place; a work file left over, or a backup newer than the database, means one stopped.
    void CheckPackLeftovers() {
        const std::string work = db_.BaseName() + ".TbB", backup = db_.BaseName() + ".Bak";
        struct stat file {
        }, database{};
        if (::stat(work.c_str(), &file) == 0)
            Add(work + " is left over from a pack that did not finish");
        if (::stat(backup.c_str(), &file) == 0 && ::stat(db_.Path().c_str(), &database) == 0 &&
            Newer(file, database))
            Add(backup + " is newer than the database: a pack may have been cut short");
    }

private:
    static bool Newer(const struct stat& a, const struct stat& b) {
        if (a.st_mtim.tv_sec != b.st_mtim.tv_sec) return a.st_mtim.tv_sec > b.st_mtim.tv_sec;
        return a.st_mtim.tv_nsec > b.st_mtim.tv_nsec;
    }

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
