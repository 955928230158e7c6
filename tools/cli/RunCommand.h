#pragma once
// `run DB PROCEDURE`: one procedure of the database's own script, run without a window.
// MsgBox prints to standard output, InputBox and the password box read a line from standard
// input; what needs the window (the Actions menu, the list of records) says so and goes on.

#include "base/FilePath.h"
#include "engine/FileSystem.h"
#include "script/ScriptRunner.h"

#include <iosfwd>
#include <string>

namespace tabulo::cli {

struct RunOptions {
    FilePath database;
    std::string procedure;
    int timeoutMs = ScriptRunner::kTimeoutMs;
    long record = 0;   // the current record while the procedure runs; 0: the first
    bool save = false; // write the record back when the procedure changed it and left Cancel false
};

// kExitOk when the procedure ran to its end and left Tb.Cancel false.
int RunProcedure(FileSystem& fs, const RunOptions& options, std::ostream& out, std::ostream& err);

} // namespace tabulo::cli
