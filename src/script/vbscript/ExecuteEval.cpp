// Execute, ExecuteGlobal, Eval and GetRef: code compiled while the script runs.
//
// Execute and Eval work where they are called: inside a procedure the code sees (and
// changes) the procedure's variables, and names it adds live as long as that call runs;
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

// The slots of code compiled in a running procedure: the procedure's own, then those that
// Execute added during this call, then the names this code adds, which join the latter.
void bindLocals(Frame& caller, const Scope& top, Variant* locals) {
    const int own = caller.scope->slotCount;
    for (int i = 0; i < own; ++i)
        locals[i] = Variant::reference(&caller.locals[i].deref());
    ExecuteLocals& added = *caller.added;
    const auto count = static_cast<size_t>(top.slotCount - own);
    if (added.names.size() < count) {
        const auto known = static_cast<int>(added.names.size());
        added.names.resize(count);
        added.values.resize(count);
        for (const auto& [name, slot] : top.locals)
            if (slot >= own + known) added.names[static_cast<size_t>(slot - own)] = name;
    }
    for (size_t i = 0; i < count; ++i)
        locals[own + static_cast<int>(i)] = Variant::reference(&added.values[i]);
}

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
    Frame frame;
    frame.locals = locals;
    if (!global) {
        // Made here, before any nested Execute, so that the whole call shares one store.
        if (!c.frame.added) c.frame.added = std::make_shared<ExecuteLocals>();
        bindLocals(c.frame, code.top, locals);
        frame.me = c.frame.me;
        frame.scope = c.frame.scope; // code run inside sees the same procedure
        frame.added = c.frame.added;
    }
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

const std::vector<std::string>* addedNames(const Context& c) {
    return c.frame.added ? &c.frame.added->names : nullptr;
}

Variant fnExecute(Context& c, ArgRefs a) {
    const std::string text = toString(arg(a, 0));
    return atCaller([&] {
        const Scope* procedure = c.frame.scope;
        return procedure ? runCompiled(c, parseProgramIn(text, *procedure, addedNames(c)), false)
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
        return runCompiled(c, parseExpression(text, procedure, addedNames(c)),
                           procedure == nullptr);
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
