#pragma once
// What the script's MsgBox and InputBox ask of the host: the window shows the
// prompt and hands back the button pressed or the text typed.

#include <string>

namespace tabulo::vbs {

struct ScriptUi {
    virtual ~ScriptUi() = default;
    // Returns the language's button value (vbOK 1 ... vbNo 7).
    virtual int msgBox(const std::string& prompt, int buttons, const std::string& title) = 0;
    // Returns the text typed; an empty text when the user cancels.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
};

} // namespace tabulo::vbs
