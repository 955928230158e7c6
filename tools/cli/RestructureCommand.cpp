#include "RestructureCommand.h"

#include "CliFiles.h"
#include "Console.h"
#include "design/DesignJson.h"
#include "design/Restructure.h"

#include <ostream>

namespace tabulo::cli {

namespace {

// The new design, or the reason it cannot be read ("place: reason").
bool ReadNewDesign(const FilePath& path, design::Design& design, std::string& error) {
    std::string json;
    if (!ReadWholeFile(path.Native(), json)) {
        error = "cannot read the file";
        return false;
    }
    const FilePath baseDir = path.Folder();
    design::ParsedDesign parsed =
        design::ParseDesign(json, baseDir.Empty() ? "." : baseDir.Native());
    error = parsed.error;
    for (const char* key : {"records", "generate", "recordCount"})
        if (parsed.ok && parsed.document.contains(key))
            error = std::string(key) + ": a restructure keeps the database's own records";
    design = std::move(parsed.design);
    return error.empty();
}

} // namespace

int RunRestructure(FileSystem& fs, const RestructureOptions& options, std::ostream& out,
                   std::ostream& err) {
    design::Design next;
    std::string error;
    if (!ReadNewDesign(options.description, next, error)) {
        err << kProgramName << ": " << options.description.Native() << ": " << error << "\n";
        return kExitProblem;
    }
    ConsoleReporter reporter(options.database.Native(), err);
    modDB db(reporter, fs);
    if (db.OpenDatabase(options.database) != 1) return kExitProblem;
    const design::Restructure r = design::PlanRestructure(db, std::move(next));
    for (const design::DesignProblem& problem : r.problems)
        err << kProgramName << ": " << options.description.Native() << ": " << problem.Text()
            << "\n";
    if (!r.problems.empty()) return kExitProblem;

    const FilePath base = db.GetBaseName(); // kept: a failed reopen closes the database
    const std::string file = base.WithSuffix(".Tbd").Native();
    out << r.plan.Text(file);
    if (options.dryRun) {
        out << "dry run: " << file << " not changed\n";
        return kExitOk;
    }
    if (r.plan.LosesValues() && !options.allowLoss) {
        err << kProgramName << ": " << file
            << ": not changed: values would be lost (give --allow-loss to change it all the "
               "same)\n";
        return kExitProblem;
    }
    TerminalProgress progress("Restructuring");
    const int messagesBefore = reporter.MessageCount();
    if (design::ApplyRestructure(db, r, options.allowLoss, progress) != 1) {
        if (reporter.MessageCount() == messagesBefore)
            err << kProgramName << ": " << file << ": not changed\n";
        return kExitProblem;
    }
    out << "restructured " << file << "; the old file is " << base.WithSuffix(".Bak").Native()
        << "\n";
    return kExitOk;
}

} // namespace tabulo::cli
