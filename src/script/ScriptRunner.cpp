#include "script/ScriptRunner.h"

#include "engine/modDB.h"
#include "script/TbObject.h"
#include "vbscript/ScriptEngine.h"
#include "vbscript/ScriptError.h"

namespace tabulo {

ScriptRunner::ScriptRunner(modDB& db, ScriptWindow& window, Reporter& reporter)
    : db_(db), reporter_(reporter), tb_(db, window, reporter), tbObject_(MakeTbObject(tb_)),
      engine_(std::make_unique<vbs::ScriptEngine>()) {
}

ScriptRunner::~ScriptRunner() = default;

void ScriptRunner::SetUi(vbs::ScriptUi* ui) {
    engine_->SetUi(ui);
}

int ScriptRunner::RunScriptProc(const std::string& procName) {
    if (running_) return -1; // resetting the engine now would pull the running code away
    tb_.Cancel = 0;
    const std::string script = db_.GetScript();
    if (procName.empty() || script.empty()) return tb_.Cancel;
    engine_->Reset();
    engine_->SetTimeout(timeoutMs_);
    engine_->SetDateOrder(db_.GetDateOrder());
    engine_->AddObject("Tb", tbObject_);
    running_ = true;
    const bool ran = engine_->AddCode(script) && engine_->Run(procName);
    running_ = false;
    if (!ran) ShowScriptError();
    // A run stopped at its time-out never finished its checks: its step is vetoed.
    if (!ran && engine_->Error().number == vbs::err::TimedOut) tb_.Cancel = -1;
    return tb_.Cancel;
}

void ScriptRunner::ShowScriptError() {
    const vbs::ScriptErrorInfo& e = engine_->Error();
    // The leading line of spaces widens the box so that long descriptions stay readable.
    const std::string text = std::string(100, ' ') + "\r\nDescription:" + e.description +
                             "\r\nLine:" + std::to_string(e.line) +
                             "\r\nColumn:" + std::to_string(e.column);
    reporter_.Message("SCRIPT ERROR", text, MsgIcon::None);
}

} // namespace tabulo
