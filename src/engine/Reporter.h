#pragma once
// The seams through which core code talks to the user. The GUI implements them with
// message boxes and the progress window; tests implement them with recorders.

#include <string>

namespace tabulo {

enum class MsgIcon { Critical, None };

class Reporter {
public:
    virtual ~Reporter() = default;
    // A modal box with an OK button. Title and text are Windows-1252.
    virtual void Message(const std::string& title, const std::string& text, MsgIcon icon) = 0;
    // A modal Yes/No question; true when the answer is Yes.
    virtual bool Ask(const std::string& title, const std::string& text, MsgIcon icon,
                     bool defaultNo) = 0;
};

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void ShowPer(long done, long total) = 0;
    virtual void HidePer() = 0;
    // Lets pending window events run, once per record of a long loop.
    virtual void ProcessEvents() {}
};

} // namespace tabulo
