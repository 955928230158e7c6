// libFuzzer entry: compiles and runs arbitrary text with a short time-out.
// Any crash, sanitizer report or hang is a bug; script errors are not.

#include "vbscript/ScriptEngine.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {
class SilentUi : public tabulo::vbs::ScriptUi {
public:
    int msgBox(const std::string&, int, const std::string&) override { return 1; }
    std::string inputBox(const std::string&, const std::string&, const std::string& d) override {
        return d;
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SilentUi ui;
    tabulo::vbs::ScriptEngine engine;
    engine.SetUi(&ui);
    engine.SetTimeout(200);
    std::string_view text(reinterpret_cast<const char*>(data), size);
    if (engine.AddCode(text)) engine.Run("Main");
    return 0;
}
