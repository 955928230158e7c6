#include "designer/ScriptCheck.h"

#include "vbscript/ScriptEngine.h"

#include <regex>

namespace tabulo::designer {

namespace {

constexpr int kCheckTimeoutMs = 2000;

class SilentUi : public vbs::ScriptUi {
public:
    int msgBox(const std::string&, int, const std::string&) override { return 1; }
    std::string inputBox(const std::string&, const std::string&,
                         const std::string& defaultText) override {
        return defaultText;
    }
};

} // namespace

ScriptCheckResult CheckScript(std::string_view script) {
    SilentUi ui;
    vbs::ScriptEngine engine;
    engine.SetUi(&ui);
    engine.SetTimeout(kCheckTimeoutMs);
    ScriptCheckResult result;
    // Errors of the top-level statements are the run's, not the text's: only the compiler's
    // findings make the script wrong here.
    if (engine.AddCode(script) || engine.Error().source.find("compilation") == std::string::npos)
        return result;
    result.ok = false;
    result.message = engine.Error().description;
    result.line = engine.Error().line;
    result.column = engine.Error().column;
    return result;
}

std::vector<std::string> ScriptProcedures(std::string_view script) {
    static const std::regex kHeading(
        R"(^[ \t]*(?:(?:Public|Private)[ \t]+)?(?:Sub|Function)[ \t]+([A-Za-z]\w*))",
        std::regex::icase | std::regex::multiline);
    std::vector<std::string> names;
    const std::string text(script);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), kHeading);
         it != std::sregex_iterator(); ++it)
        names.push_back((*it)[1].str());
    return names;
}

} // namespace tabulo::designer
