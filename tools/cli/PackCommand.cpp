#include "PackCommand.h"

#include "Console.h"
#include "engine/modDB.h"

#include <ostream>
#include <unistd.h>

namespace tabulo::cli {

int RunPack(FileSystem& fs, const PackOptions& options, std::ostream& out, std::ostream& err) {
    const bool canAsk = IsTerminal(STDIN_FILENO);
    if (!options.yes && !canAsk) {
        err << kProgramName << ": " << options.database.Native()
            << ": not packed: there is no terminal to ask on (give --yes to pack anyway)\n";
        return kExitProblem;
    }
    ConsoleReporter reporter(options.database.Native(), err);
    bool dropRefused = false;
    reporter.SetAnswer([&](const std::string& title, const std::string& text) {
        const bool drop = title == modDB::kDropQuestionTitle;
        const bool yes = drop ? options.force || (!options.yes && canAsk &&
                                                  AskOnTerminal(title + ": " + ConsoleText(text)))
                              : options.yes || AskOnTerminal(title + ": " + ConsoleText(text));
        dropRefused = drop && !yes;
        return yes;
    });
    modDB db(reporter, fs);
    if (db.OpenDatabase(options.database) != 1) return kExitProblem;
    const std::string name = db.GetBaseName().Native(); // kept: a failed reopen closes it
    const long before = db.GetRecordCount();
    TerminalProgress progress("Packing");
    const int messagesBefore = reporter.MessageCount();
    if (db.PackRecords(progress) != 1) {
        if (dropRefused)
            err << kProgramName << ": " << options.database.Native()
                << ": not packed: the pack would drop the records after those the header "
                   "counts (give --force to drop them)\n";
        else if (reporter.MessageCount() == messagesBefore)
            err << kProgramName << ": not packed\n";
        return kExitProblem;
    }
    // A packed file that could not be opened again is reported; the pack itself is done.
    out << "packed " << name << ".Tbd";
    if (db.GetFileNumber() != 0) {
        const long after = db.GetRecordCount();
        out << ": " << after << " records kept, " << before - after << " removed";
    }
    out << "; the old file is " << name << ".Bak\n";
    return kExitOk;
}

} // namespace tabulo::cli
