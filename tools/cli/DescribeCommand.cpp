#include "DescribeCommand.h"

#include "CliFiles.h"
#include "Console.h"
#include "DatabaseReader.h"
#include "base/CodePage.h"
#include "design/DesignJson.h"
#include "design/DesignRules.h"

#include <ostream>

namespace tabulo::cli {

namespace {

// Every record as stored, mark first; the header's own count when it claims another.
bool RecordsJson(const DatabaseReader& db, nlohmann::ordered_json& extra, std::string& error) {
    nlohmann::ordered_json records = nlohmann::ordered_json::array();
    const bool read = db.ForEachRecord(
        1, db.ReadableRecords(),
        [&records](long, std::string_view record) {
            records.push_back(Cp1252ToUtf8(record));
            return true;
        },
        error);
    if (!read) return false;
    if (db.Header().RecordCount != static_cast<int32_t>(records.size()))
        extra["recordCount"] = db.Header().RecordCount;
    extra["records"] = std::move(records);
    return true;
}

} // namespace

int RunDescribe(FileSystem& fs, const DescribeOptions& options, std::ostream& err) {
    DatabaseReader db(fs);
    std::string error;
    if (!db.Open(options.database, error)) {
        err << kProgramName << ": " << error << "\n";
        return kExitProblem;
    }
    const design::Design design = design::DesignFromHeader(db.Header());
    // A description of a design that create would refuse still shows what the file holds.
    for (const design::DesignProblem& problem : design::Validate(design))
        err << kProgramName << ": " << db.Path().Native() << ": note: " << problem.Text() << "\n";
    nlohmann::ordered_json extra = nlohmann::ordered_json::object();
    if (options.records && !RecordsJson(db, extra, error)) {
        err << kProgramName << ": " << db.Path().Native() << ": " << error << "\n";
        return kExitProblem;
    }
    OutputFile out;
    if (!out.Open(options.output, error)) {
        err << kProgramName << ": " << error << "\n";
        return kExitProblem;
    }
    out.Write(design::DescribeDesign(design, extra));
    if (out.Close(error)) return kExitOk;
    err << kProgramName << ": " << error << "\n";
    return kExitProblem;
}

} // namespace tabulo::cli
