#pragma once
// The script engine the host drives: Reset, AddObject, AddCode, Run and the
// Error of the last failure, with a time-out per call and the date order that
// date texts are read and written in. Standard C++ only. Engines share nothing: several
// may live in one process, one calling another or each on a thread of its own (one
// thread at a time uses an engine).
//
//   ScriptEngine engine;
//   engine.SetUi(&ui);                       // MsgBox / InputBox
//   engine.SetTimeout(10000);
//   engine.AddObject("Tb", tbObject);        // reached as Tb.Member
//   if (!engine.AddCode(text) || !engine.Run("Start"))
//       show(engine.Error().description, engine.Error().line, engine.Error().column);

#include "vbscript/ScriptObject.h"
#include "vbscript/ScriptUi.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace tabulo::vbs {

class Interpreter;
struct RunState;

struct ScriptErrorInfo {
    int32_t number = 0;
    std::string description;
    std::string source; // "Microsoft VBScript runtime error" or "... compilation error"
    int line = 0;       // 1-based; 0 when the error belongs to no line
    int column = 0;     // 0-based position of the statement or token in its line
};

class ScriptEngine {
public:
    ScriptEngine();
    ~ScriptEngine();
    ScriptEngine(const ScriptEngine&) = delete;
    ScriptEngine& operator=(const ScriptEngine&) = delete;

    // Drops all code, variables and registered objects.
    void Reset();
    // Makes `object` reachable from scripts under `name`.
    void AddObject(const std::string& name, std::shared_ptr<ScriptObject> object);
    // Compiles the text and runs its top-level statements. False on error.
    bool AddCode(std::string_view text);
    // Runs a procedure without arguments. False on error (also when it does not exist).
    bool Run(const std::string& procName);
    const ScriptErrorInfo& Error() const { return error_; }

    void SetTimeout(int milliseconds) { timeoutMs_ = milliseconds; } // 0: none
    // The clock the time-out is measured on: the steady clock unless the host gives another.
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    void SetClock(Clock clock) { clock_ = std::move(clock); }
    void SetUi(ScriptUi* ui);
    void SetDateOrder(int order); // 1 = DD/MM/YYYY, 2 = MM/DD/YYYY

private:
    template <class F> bool guarded(F&& work, bool compiling);

    // Declared first so that it outlives the interpreter: the variables it frees on the
    // way out are released through it.
    std::unique_ptr<RunState> state_;
    std::unique_ptr<Interpreter> in_;
    ScriptUi* ui_ = nullptr;
    ScriptErrorInfo error_;
    int timeoutMs_ = 0;
    Clock clock_ = [] { return std::chrono::steady_clock::now(); };
};

} // namespace tabulo::vbs
