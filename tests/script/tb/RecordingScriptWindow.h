#pragma once
// A stand-in for the data-entry window as the script object sees it: the Actions menu,
// the delete switch, the browse grid and the input box are recorded, and the grid and the
// box answer from fields set by the test. The clock stands still.

#include "engine/DbFile.h"
#include "script/ScriptWindow.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tabulo::test {

class RecordingScriptWindow : public ScriptWindow {
public:
    struct BrowseCall {
        std::vector<int16_t> columns;
        std::string path;
    };
    struct InputCall {
        std::string title;
        std::string value;
        int maxLen = 0;
        std::string codes;
    };

    std::array<std::string, kActionCount + 1> captions; // entries 1 to 5
    std::array<bool, kActionCount + 1> visible{};
    bool menuVisible = false;
    std::optional<bool> deleteEnabled;
    std::vector<BrowseCall> browseCalls;
    int32_t browsePick = 0;
    std::vector<InputCall> inputCalls;
    std::optional<std::string> inputAccepted; // nullopt: the box is closed without Ok
    LocalTime now{2024, 3, 7, 9, 5, 3};
    std::function<void()> whileInputShown; // runs while the input box is "open"

    std::string ActionCaption(int n) const override { return captions.at(n); }
    void ShowAction(int n, const std::string& caption) override {
        captions.at(n) = caption;
        visible.at(n) = true;
    }
    void ShowActionsMenu() override { menuVisible = true; }
    void SetDeleteEnabled(bool enabled) override { deleteEnabled = enabled; }
    int32_t ShowBrowse(const std::vector<int16_t>& columns, const DbFile& file) override {
        browseCalls.push_back({columns, file.Path()});
        return browsePick;
    }
    std::string ShowInput(const std::string& title, const std::string& value, int maxLen,
                          const std::string& codes) override {
        inputCalls.push_back({title, value, maxLen, codes});
        if (whileInputShown) whileInputShown();
        return inputAccepted.value_or(value);
    }
    LocalTime Now() override { return now; }
};

} // namespace tabulo::test
