// Execute, ExecuteGlobal, Eval and GetRef: code compiled while the script runs.
//
// Execute and Eval work where they are called: inside a procedure the code sees (and
// changes) the procedure's variables, and names it adds live as long as that code runs;
// at top level, and always for ExecuteGlobal, the code is added to the script like AddCode.
// Procedures and classes it defines become the script's own.

#include "script/vbscript/Builtins.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/Nodes.h"
#include "script/vbscript/Parser.h"

namespace tabulo::vbs {

namespace {

const Variant& arg(ArgRefs a, size_t i) {
    return *a[i];
}

// Running compiled code counts as a call, so that code executing itself stops with "Out of
// stack space"; its local slots come from the interpreter's slot stack.
class CompiledFrame {
public:
    CompiledFrame(Interpreter& in, int count) : in_(in), count_(count) {
        in_.enterCall();
        try {
            locals_ = in_.stack.push(count_, mark_);
        } catch (...) {
            in_.leaveCall();
            throw;
        }
    }
    ~CompiledFrame() {
        in_.stack.pop(mark_, count_);
        in_.leaveCall();
    }
    CompiledFrame(const CompiledFrame&) = delete;
    CompiledFrame& operator=(const CompiledFrame&) = delete;
    Variant* locals() const { return locals_; }

private:
    Interpreter& in_;
    int count_;
    SlotStack::Mark mark_{};
    Variant* locals_ = nullptr;
};

// Runs a compiled unit (its statements, or Eval's expression) in the caller's procedure
// or at top level.
Variant runCompiled(Context& c, std::unique_ptr<CodeUnit> unit, bool global) {
    Interpreter& in = c.in;
    CodeUnit& code = *unit;
    if (global)
        in.install(code);
    else
        in.installInProcedure(code);
    // Only procedures and classes outlive the run; the rest is dropped with `unit`.
    if (!code.procedures.empty() || !code.classes.empty()) in.units.push_back(std::move(unit));
    CompiledFrame slots(in, global ? 0 : code.top.slotCount);
    Variant* locals = slots.locals();
    const int outer = global ? 0 : c.frame.scope->slotCount;
    for (int i = 0; i < outer; ++i)
        locals[i] = Variant::reference(&c.frame.locals[i].deref());
    Frame frame{locals, global ? nullptr : c.frame.me, false, global ? nullptr : &code.top};
    Context inner{in, frame};
    for (const auto& init : code.top.constInits)
        (global ? in.globals[init.slot] : locals[init.slot]) = init.value->eval(inner);
    if (code.expression) return code.expression->eval(inner);
    execBlock(code.body, inner);
    return {};
}

// An error inside the code belongs to the statement that ran it; a compile error there
// is a run-time error of that statement, which On Error Resume Next catches.
template <class Work> Variant atCaller(Work&& work) {
    try {
        return work();
    } catch (ScriptError& e) {
        if (e.fatal) throw;
        if (e.compileError && e.source.empty()) e.source = "Microsoft VBScript compilation error";
        e.compileError = false;
        e.positioned = false;
        e.line = e.column = 0;
        throw;
    }
}

Variant fnExecute(Context& c, ArgRefs a) {
    const std::string text = toString(arg(a, 0));
    return atCaller([&] {
        const Scope* procedure = c.frame.scope;
        return procedure ? runCompiled(c, parseProgramIn(text, *procedure), false)
                         : runCompiled(c, parseProgram(text), true);
    });
}

Variant fnExecuteGlobal(Context& c, ArgRefs a) {
    const std::string text = toString(arg(a, 0));
    return atCaller([&] { return runCompiled(c, parseProgram(text), true); });
}

// Eval reads `a = b` as a comparison.
Variant fnEval(Context& c, ArgRefs a) {
    const std::string text = toString(arg(a, 0));
    return atCaller([&] {
        const Scope* procedure = c.frame.scope;
        return runCompiled(c, parseExpression(text, procedure), procedure == nullptr);
    });
}

// What GetRef gives: calling it (its default member) calls the procedure.
class ProcedureRef : public ScriptObject {
public:
    ProcedureRef(Interpreter& in, const Procedure& proc) : in_(in), proc_(proc) {}
    std::string typeName() const override { return "Object"; }
    Variant call(std::string_view name, ArgRefs args) override {
        if (!name.empty()) raiseError(err::NoSuchMember);
        return in_.callProcedure(proc_, nullptr, args);
    }

private:
    Interpreter& in_;
    const Procedure& proc_;
};

Variant fnGetRef(Interpreter& in, ArgRefs a) {
    auto it = in.procedures.find(lowerName(toString(arg(a, 0))));
    if (it == in.procedures.end()) raiseError(err::InvalidCall);
    return Variant::object(std::make_shared<ProcedureRef>(in, *it->second));
}

} // namespace

void addDynamicBuiltins(std::vector<Builtin>& out) {
    out.push_back(
        {.name = "execute", .minArgs = 1, .maxArgs = 1, .fn = nullptr, .scopedFn = fnExecute});
    out.push_back({.name = "executeglobal",
                   .minArgs = 1,
                   .maxArgs = 1,
                   .fn = nullptr,
                   .scopedFn = fnExecuteGlobal});
    out.push_back({.name = "eval", .minArgs = 1, .maxArgs = 1, .fn = nullptr, .scopedFn = fnEval});
    out.push_back({"getref", 1, 1, fnGetRef});
}

} // namespace tabulo::vbs
