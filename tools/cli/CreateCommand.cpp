#include "CreateCommand.h"

#include "Console.h"
#include "Description.h"
#include "engine/FileName.h"

#include <filesystem>
#include <ostream>

namespace tabulo::cli {

int RunCreate(const CreateOptions& options, std::ostream& err) {
    const FilePath path = DatabaseFileName(options.database);
    std::error_code ignored;
    if (!options.force && std::filesystem::exists(path.Native(), ignored)) {
        err << kProgramName << ": " << path.Native()
            << " exists already (give --force to replace it)\n";
        return kExitProblem;
    }
    const std::string error = MakeDatabase(options.description, path);
    if (error.empty()) return kExitOk;
    err << kProgramName << ": " << error << "\n";
    return kExitProblem;
}

} // namespace tabulo::cli
