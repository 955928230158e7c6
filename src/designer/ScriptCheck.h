#pragma once
// Check of a form's script with the program's own interpreter: the first compile error,
// with its line and column, or none. The script's top-level statements run as they do when
// a database opens, with no windows: message and input boxes answer at once.

#include <string>
#include <string_view>
#include <vector>

namespace tabulo::designer {

struct ScriptCheckResult {
    bool ok = true;
    std::string message; // "Expected 'Then'"
    int line = 0;        // 1-based
    int column = 0;      // 0-based position in the line
};

ScriptCheckResult CheckScript(std::string_view script);

// The names of the script's Sub and Function procedures, in the order they are written.
std::vector<std::string> ScriptProcedures(std::string_view script);

} // namespace tabulo::designer
