#pragma once
// ScriptWindow: what the script object needs from the data-entry window. The window
// implements it with its Actions menu, its delete switch, the browse grid and the input
// box; tests implement it with a recorder.

#include "base/DateTimeText.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tabulo {

class DbFile;

class ScriptWindow {
public:
    static constexpr int kActionCount = 5; // mnuAction1 to mnuAction5

    virtual ~ScriptWindow() = default;

    // Caption of Actions entry n (1 to 5); empty while the entry is unused.
    virtual std::string ActionCaption(int n) const = 0;
    // Gives entry n its caption and makes it visible.
    virtual void ShowAction(int n, const std::string& caption) = 0;
    // Makes the Actions menu (mnuAction0) itself visible.
    virtual void ShowActionsMenu() = 0;

    // The window's DeleteEnabled switch.
    virtual void SetDeleteEnabled(bool enabled) = 0;

    // Shows the browse grid modally on an open database file with the given field numbers
    // as columns, in order; returns the record number picked, 0 when none was.
    virtual int32_t ShowBrowse(const std::vector<int16_t>& columns, const DbFile& file) = 0;

    // Shows the input box modally: caption, starting text, most characters and input codes
    // (handed over as given). Returns the text accepted with Ok, or the starting text when
    // the box was closed without Ok.
    virtual std::string ShowInput(const std::string& title, const std::string& value, int maxLen,
                                  const std::string& codes) = 0;

    // The clock, in local time.
    virtual LocalTime Now() { return CurrentLocalTime(); }
};

} // namespace tabulo
