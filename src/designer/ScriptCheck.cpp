#include "designer/ScriptCheck.h"

#include "vbscript/ScriptEngine.h"

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

} // namespace tabulo::designer
