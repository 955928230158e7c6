// The host's entry points: each call runs guarded, with this engine's state made
// current and every failure turned into the error the host reads, never an exception.

#include "vbscript/ScriptEngine.h"

#include "script/vbscript/Convert.h"
#include "script/vbscript/ErrObject.h"
#include "script/vbscript/Interpreter.h"
#include "script/vbscript/Parser.h"
#include "script/vbscript/RunState.h"

#include <new>

namespace tabulo::vbs {

ScriptEngine::ScriptEngine()
    : state_(std::make_unique<RunState>()), in_(std::make_unique<Interpreter>()) {
}

ScriptEngine::~ScriptEngine() {
    RunScope scope(*state_);
    in_.reset();
}

// The old interpreter's variables are freed under this engine's state.
void ScriptEngine::Reset() {
    RunScope scope(*state_);
    in_ = std::make_unique<Interpreter>();
    in_->ui = ui_;
    error_ = {};
}

void ScriptEngine::SetDateOrder(int order) {
    state_->dateOrder = order == 2 ? 2 : 1;
}

void ScriptEngine::SetUi(ScriptUi* ui) {
    ui_ = ui;
    in_->ui = ui;
}

void ScriptEngine::AddObject(const std::string& name, std::shared_ptr<ScriptObject> object) {
    std::string lower = lowerName(name);
    in_->globals[in_->globalSlot(lower)] = Variant::object(std::move(object));
    in_->globalConstants.insert(lower);
}

template <class F> bool ScriptEngine::guarded(F&& work, bool compiling) {
    error_ = {};
    RunScope scope(*state_);
    in_->startRun(std::chrono::milliseconds(timeoutMs_), clock_);
    ScriptError failure(0);
    try {
        work();
        return true;
    } catch (ScriptError& e) {
        failure = std::move(e);
    } catch (const std::bad_alloc&) {
        failure = ScriptError(err::OutOfMemory);
    } catch (const std::exception&) {
        failure = ScriptError(51, "Internal error");
    }
    error_.number = failure.number;
    error_.description = failure.description;
    error_.line = failure.line;
    error_.column = failure.column;
    error_.source = !failure.source.empty() ? failure.source
                    : failure.compileError || (compiling && failure.line == 0)
                        ? "Microsoft VBScript compilation error"
                        : "Microsoft VBScript runtime error";
    return false;
}

bool ScriptEngine::AddCode(std::string_view text) {
    return guarded(
        [&] {
            std::unique_ptr<CodeUnit> unit = parseProgram(text);
            CodeUnit& ref = *unit;
            in_->install(ref);
            in_->units.push_back(std::move(unit));
            in_->runUnit(ref);
        },
        true);
}

bool ScriptEngine::Run(const std::string& procName) {
    return guarded(
        [&] {
            auto it = in_->procedures.find(lowerName(procName));
            if (it == in_->procedures.end()) throw ScriptError(err::SubNotDefined);
            in_->callProcedure(*it->second, nullptr, {});
        },
        false);
}

} // namespace tabulo::vbs
