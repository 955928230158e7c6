#pragma once
// ScriptRunner: the script host. It runs procedures of the open database's script with the
// object `Tb`. One per data-entry window; it owns the window's script object and engine.
//
//   ScriptRunner runner(engine, window, reporter);
//   if (runner.RunScriptProc("Start")) ...  // -1: the script vetoed, close again
//
// Every run starts from a freshly loaded script: nothing a script keeps at its top level
// survives from one run to the next. What lasts is held by `Tb` (Cancel, the look-up
// database) and by the window (the Actions entries, the delete switch).

#include "engine/Reporter.h"
#include "script/ScriptWindow.h"
#include "script/clsField.h"

#include <memory>
#include <string>

namespace tabulo {

class modDB;

namespace vbs {
class ScriptEngine;
class ScriptObject;
struct ScriptUi;
} // namespace vbs

class ScriptRunner {
public:
    static constexpr int kTimeoutMs = 10000;

    ScriptRunner(modDB& db, ScriptWindow& window, Reporter& reporter);
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // Runs one procedure of the header's script, without arguments, and returns Tb's Cancel
    // afterwards (-1 true, 0 false). An empty name or script runs nothing and gives 0. A
    // script error is shown in the one "SCRIPT ERROR" box and the run ends there. A run
    // asked for while another is under way (from inside a window the script opened) is
    // refused with -1, so the step it was asked for is vetoed rather than unchecked; so is a
    // run stopped at its time-out.
    int RunScriptProc(const std::string& procName);

    // The script object, for the window's own use (CloseDB when the database closes).
    clsField& Tb() { return tb_; }

    // Where the script's MsgBox and InputBox go; none until set.
    void SetUi(vbs::ScriptUi* ui);
    // Longest a run may take before it is stopped with an error.
    void SetTimeout(int milliseconds) { timeoutMs_ = milliseconds; }

private:
    void ShowScriptError();

    modDB& db_;
    Reporter& reporter_;
    clsField tb_;
    std::shared_ptr<vbs::ScriptObject> tbObject_;
    std::unique_ptr<vbs::ScriptEngine> engine_;
    int timeoutMs_ = kTimeoutMs;
    bool running_ = false;
};

} // namespace tabulo
