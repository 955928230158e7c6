#pragma once
// The data-entry window as the script sees it, and the script host that the window calls.
//
//   WindowScriptHost script(db, reporter);
//   frmEdit window(db, reporter, script, services, dialogs);
//   QtScriptUi ui(&window);
//   script.Attach(window, ui, dialogs); // from now on "Start", "Update" and the actions run
//
// The script object reaches the window's Actions menu and delete switch, the browse grid
// (GetDBList) and the input box (GetPass) through QtScriptWindow.

#include "editor/EditorServices.h"
#include "script/ScriptRunner.h"
#include "script/ScriptWindow.h"

#include <memory>

namespace tabulo {

class Dialogs;
class frmEdit;
class modDB;
class Reporter;

class QtScriptWindow : public ScriptWindow {
public:
    QtScriptWindow(frmEdit& window, Dialogs& dialogs) : window_(window), dialogs_(dialogs) {}

    std::string ActionCaption(int n) const override;
    void ShowAction(int n, const std::string& caption) override;
    void ShowActionsMenu() override;
    void SetDeleteEnabled(bool enabled) override;
    int32_t ShowBrowse(const std::vector<int16_t>& columns, const DbFile& file) override;
    std::string ShowInput(const std::string& title, const std::string& value, int maxLen,
                          const std::string& codes) override;

private:
    frmEdit& window_;
    Dialogs& dialogs_;
};

// The window's ScriptHost: forwards to one ScriptRunner, made when the window is attached.
// Until then nothing runs and every result is 0.
class WindowScriptHost : public ScriptHost {
public:
    WindowScriptHost(modDB& db, Reporter& reporter) : db_(db), reporter_(reporter) {}

    // MsgBox and InputBox of the script go to `ui`; Tb's password box to `dialogs`.
    void Attach(frmEdit& window, vbs::ScriptUi& ui, Dialogs& dialogs);
    ScriptRunner* Runner() { return runner_.get(); }

    int RunScriptProc(const std::string& name) override;
    void CloseDB() override;

private:
    modDB& db_;
    Reporter& reporter_;
    std::unique_ptr<QtScriptWindow> scriptWindow_;
    std::unique_ptr<ScriptRunner> runner_;
};

} // namespace tabulo
