// tabulo-cli SUBCOMMAND ...: the database without a window. Exit status 0 for success,
// 1 when the data has a problem or an operation was refused, 2 for bad usage.

#include "CheckCommand.h"
#include "Console.h"
#include "CreateCommand.h"
#include "DescribeCommand.h"
#include "ExportCommand.h"
#include "ImportCommand.h"
#include "InfoCommand.h"
#include "PackCommand.h"
#include "RestructureCommand.h"
#include "RunCommand.h"
#include "engine/PosixFileSystem.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <map>

namespace {

using namespace tabulo::cli;

const std::map<std::string, Encoding> kEncodings = {{"cp1252", Encoding::Cp1252},
                                                    {"utf-8", Encoding::Utf8}};
const std::map<std::string, ExportFormat> kFormats = {{"tabulo", ExportFormat::Tabulo},
                                                      {"csv", ExportFormat::Csv},
                                                      {"jsonl", ExportFormat::JsonLines},
                                                      {"sqlite", ExportFormat::Sqlite}};

// Everything the subcommands were given, filled in by the parser.
struct Arguments {
    InfoOptions info;
    CheckOptions check;
    ExportOptions exporting;
    std::vector<std::string> exportFields; // "--fields ''" names no field at all
    Encoding exportEncoding = Encoding::Utf8;
    CLI::Option* exportEncodingGiven = nullptr;
    ImportOptions importing;
    PackOptions pack;
    CreateOptions create;
    DescribeOptions describe;
    RestructureOptions restructure;
    RunOptions run;
};

CLI::Option* AddDatabase(CLI::App& command, tabulo::FilePath& database) {
    return command.add_option("DB", database, "the database (\"Stock\" opens Stock.Tbd)")
        ->required();
}

void AddInfo(CLI::App& app, Arguments& a) {
    CLI::App* info = app.add_subcommand("info", "Describe the header: records, form, script");
    AddDatabase(*info, a.info.database);
    info->add_flag("--script", a.info.script, "print the script text too");
}

void AddCheck(CLI::App& app, Arguments& a) {
    CLI::App* check = app.add_subcommand("check", "Verify a database without changing it");
    AddDatabase(*check, a.check.database);
}

void AddExport(CLI::App& app, Arguments& a) {
    CLI::App* exp = app.add_subcommand("export", "Write the records as CSV, JSON lines or SQLite");
    AddDatabase(*exp, a.exporting.database);
    exp->add_option("-o,--output", a.exporting.output, "output file (default: standard output)");
    exp->add_option("--fields", a.exportFields, "fields to export, comma-separated")
        ->delimiter(',')
        ->each([&a](const std::string& name) {
            if (!a.exporting.fields) a.exporting.fields.emplace();
            if (!name.empty()) a.exporting.fields->push_back(name);
        });
    exp->add_option("--format", a.exporting.format, "tabulo, csv (default), jsonl or sqlite")
        ->transform(CLI::CheckedTransformer(kFormats));
    a.exportEncodingGiven = exp->add_option("--encoding", a.exportEncoding, "cp1252 or utf-8")
                                ->transform(CLI::CheckedTransformer(kEncodings));
    exp->add_flag("--live-only", a.exporting.liveOnly, "leave out records marked deleted");
}

void AddImport(CLI::App& app, Arguments& a) {
    CLI::App* imp = app.add_subcommand("import", "Append the rows of a CSV file as records");
    AddDatabase(*imp, a.importing.database);
    imp->add_option("FILE", a.importing.csvFile, "RFC 4180 file whose header row names fields")
        ->required();
    imp->add_option("--encoding", a.importing.encoding, "utf-8 (default) or cp1252")
        ->transform(CLI::CheckedTransformer(kEncodings));
    imp->add_flag("--dry-run", a.importing.dryRun, "check every row, write nothing");
    imp->add_flag("--all-or-nothing", a.importing.allOrNothing,
                  "write nothing when any row is refused");
}

void AddPack(CLI::App& app, Arguments& a) {
    CLI::App* pack = app.add_subcommand("pack", "Remove the records marked deleted for good");
    AddDatabase(*pack, a.pack.database);
    pack->add_flag("-y,--yes", a.pack.yes, "do not ask; needed without a terminal");
    pack->add_flag("--force", a.pack.force, "drop records after those the header counts");
}

void AddCreate(CLI::App& app, Arguments& a) {
    CLI::App* create = app.add_subcommand("create", "Make a database from a JSON description");
    create->add_option("DESCRIPTION", a.create.description, "the JSON description")->required();
    AddDatabase(*create, a.create.database);
    create->add_flag("--force", a.create.force, "replace a database of that name");
}

void AddDescribe(CLI::App& app, Arguments& a) {
    CLI::App* describe =
        app.add_subcommand("describe", "Write the JSON description of a database's design");
    AddDatabase(*describe, a.describe.database);
    describe->add_option("-o,--output", a.describe.output,
                         "output file (default: standard output)");
    describe->add_flag("--records", a.describe.records, "add the records as stored");
}

void AddRestructure(CLI::App& app, Arguments& a) {
    CLI::App* restructure =
        app.add_subcommand("restructure", "Give a database a new design, keeping its records");
    AddDatabase(*restructure, a.restructure.database);
    restructure->add_option("DESCRIPTION", a.restructure.description, "the new JSON description")
        ->required();
    restructure->add_flag("--dry-run", a.restructure.dryRun, "print the plan, change nothing");
    restructure->add_flag("--allow-loss", a.restructure.allowLoss,
                          "remove or cut values that are not blank");
}

void AddRun(CLI::App& app, Arguments& a) {
    CLI::App* run = app.add_subcommand("run", "Run a procedure of the database's script");
    AddDatabase(*run, a.run.database);
    run->add_option("PROCEDURE", a.run.procedure, "the procedure to run")->required();
    run->add_option("--timeout", a.run.timeoutMs, "longest run in milliseconds")
        ->check(CLI::Range(1, 86400000));
    run->add_option("--record", a.run.record, "the current record while it runs")
        ->check(CLI::PositiveNumber);
    run->add_flag("--save", a.run.save, "write the record back when the procedure changed it");
}

int Dispatch(const CLI::App& app, Arguments& a) {
    if (a.exportEncodingGiven->count() > 0) a.exporting.encoding = a.exportEncoding;
    const std::string command = app.get_subcommands().front()->get_name();
    tabulo::FileSystem& fs = tabulo::MachineFileSystem();
    if (command == "info") return RunInfo(fs, a.info, std::cout, std::cerr);
    if (command == "check") return RunCheck(fs, a.check, std::cout, std::cerr);
    if (command == "export") return RunExport(fs, a.exporting, std::cerr);
    if (command == "import") return RunImport(fs, a.importing, std::cout, std::cerr);
    if (command == "pack") return RunPack(fs, a.pack, std::cout, std::cerr);
    if (command == "create") return RunCreate(a.create, std::cerr);
    if (command == "describe") return RunDescribe(fs, a.describe, std::cerr);
    if (command == "restructure") return RunRestructure(fs, a.restructure, std::cout, std::cerr);
    return RunProcedure(fs, a.run, std::cout, std::cerr);
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    CLI::App app{"Tabulo databases without a window", kProgramName};
    app.set_version_flag("--version", std::string(kProgramName) + " " TABULO_VERSION);
    app.require_subcommand(1);
    Arguments arguments;
    AddInfo(app, arguments);
    AddCheck(app, arguments);
    AddExport(app, arguments);
    AddImport(app, arguments);
    AddPack(app, arguments);
    AddCreate(app, arguments);
    AddDescribe(app, arguments);
    AddRestructure(app, arguments);
    AddRun(app, arguments);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? kExitOk : kExitUsage;
    }
    return Dispatch(app, arguments);
}
