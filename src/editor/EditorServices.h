#pragma once
// The seams through which the data-entry window reaches the script, the desktop's programs
// and the windows of its own that the dialog runner does not open. The program plugs in
// the real ones; tests plug in recorders, so no test waits on a modal window or starts a
// browser.

#include <QString>
#include <string>

class QWidget;

namespace tabulo {

class ScriptHost {
public:
    virtual ~ScriptHost() = default;
    // Runs one procedure of the header's script by name and returns the script object's
    // Cancel afterwards: -1 when the procedure vetoes the step, 0 otherwise.
    virtual int RunScriptProc(const std::string& name) {
        (void)name;
        return 0;
    }
    // Closes a second database that the script may have opened for look-ups.
    virtual void CloseDB() {}
};

class WindowServices {
public:
    virtual ~WindowServices() = default;
    // Hands a web or mail address to the desktop's default program; the result is ignored.
    virtual void OpenDocument(QWidget* owner, const QString& address) = 0;
    virtual void ShowAbout(QWidget* owner) = 0;
    virtual void ShowHelpContents(QWidget* owner) = 0;
};

} // namespace tabulo
