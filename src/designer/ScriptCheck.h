#pragma once
// Check of a form's script with the program's own interpreter: the first compile error,
// with its line and column, or none. The script's top-level statements run as they do when
// a database opens, with no windows: message and input boxes answer at once.

#include <string>
#include <string_view>

namespace tabulo::designer {

struct ScriptCheckResult {
    bool ok = true;
    std::string message; // "Expected 'Then'"
    int line = 0;        // 1-based
    int column = 0;      // 0-based position in the line
};

ScriptCheckResult CheckScript(std::string_view script);

} // namespace tabulo::designer
