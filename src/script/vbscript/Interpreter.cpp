// The interpreter's own bookkeeping: the slot stack of procedure variables, global
// slots, installing compiled code, calling procedures with their depth and deadline
// checks, and instances of the script's classes with Class_Initialize and
// Class_Terminate.

#include "script/vbscript/Interpreter.h"

#include "script/vbscript/Builtins.h"
#include "script/vbscript/CallArgs.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/ErrObject.h"
#include "script/vbscript/Limits.h"
#include "script/vbscript/Nodes.h"

#include <cstdlib>

namespace tabulo::vbs {

Variant* SlotStack::push(int count, Mark& mark) {
    mark = {chunk_, used_};
    size_t n = static_cast<size_t>(count);
    if (used_ + n > kChunk) {
        if (n > kChunk) raiseError(err::OutOfStack);
        ++chunk_;
        used_ = 0;
    }
    while (chunks_.size() <= chunk_)
        chunks_.push_back(std::make_unique<Variant[]>(kChunk));
    Variant* base = chunks_[chunk_].get() + used_;
    used_ += n;
    return base;
}

void SlotStack::pop(const Mark& mark, int count) {
    Variant* base = chunks_[chunk_].get() + used_ - static_cast<size_t>(count);
    for (int i = 0; i < count; ++i)
        base[i] = Variant();
    chunk_ = mark.chunk;
    used_ = mark.used;
}

Interpreter::Interpreter() : errObject(std::make_shared<ErrObject>()) {
}

Interpreter::~Interpreter() {
    terminating = true;
    globals.clear();
}

int Interpreter::findGlobal(const std::string& lower) const {
    auto it = globalIndex.find(lower);
    return it == globalIndex.end() ? -1 : it->second;
}

int Interpreter::globalSlot(const std::string& lower) {
    auto [it, added] = globalIndex.emplace(lower, static_cast<int>(globals.size()));
    if (added) globals.emplace_back();
    return it->second;
}

void Interpreter::startRun(std::chrono::milliseconds timeout,
                           std::function<std::chrono::steady_clock::time_point()> clock) {
    clock_ = std::move(clock);
    timeout_ = timeout;
    hasDeadline_ = timeout.count() > 0;
    deadline_ = clock_() + timeout;
    ticks_ = 0;
    depth_ = 0;
    char probe;
    stackBase_ = reinterpret_cast<uintptr_t>(&probe);
}

void Interpreter::slowDeadlineCheck() {
    ticks_ = 0;
    if (hasDeadline_ && clock_() > deadline_) {
        ScriptError e(err::TimedOut, "Script timed out: the run took longer than its time-out of " +
                                         std::to_string(timeout_.count()) + " ms");
        e.fatal = true;
        throw e;
    }
}

void Interpreter::enterCall() {
    char probe;
    uintptr_t here = reinterpret_cast<uintptr_t>(&probe);
    uintptr_t used = stackBase_ > here ? stackBase_ - here : here - stackBase_;
    if (depth_ >= kMaxCallDepth || used > kMaxStackBytes) raiseError(err::OutOfStack);
    ++depth_;
    checkDeadline();
}

namespace {
struct CallGuard {
    Interpreter& in;
    SlotStack::Mark mark;
    int count;
    ~CallGuard() {
        in.stack.pop(mark, count);
        in.leaveCall();
    }
};
} // namespace

Variant Interpreter::callProcedure(const Procedure& proc, ClassInstance* me, ArgRefs args) {
    if (args.size() != proc.params.size()) raiseError(err::WrongArgCount);
    enterCall();
    int count = proc.scope.slotCount;
    SlotStack::Mark mark;
    Variant* locals;
    try {
        locals = stack.push(count, mark);
    } catch (...) {
        leaveCall();
        throw;
    }
    CallGuard guard{*this, mark, count};
    for (size_t i = 0; i < args.size(); ++i)
        locals[i] = proc.params[i].byRef ? Variant::reference(args[i]) : copyForAssign(*args[i]);
    Frame frame{locals, me, false, &proc.scope, {}};
    Context c{*this, frame};
    for (const auto& init : proc.scope.constInits)
        locals[init.slot] = init.value->eval(c);
    execBlock(proc.body, c);
    if (proc.resultSlot < 0) return {};
    return std::move(locals[proc.resultSlot]);
}

void Interpreter::runUnit(CodeUnit& unit) {
    Frame frame;
    Context c{*this, frame};
    for (const auto& init : unit.top.constInits)
        globals[init.slot] = init.value->eval(c);
    execBlock(unit.body, c);
}

void Interpreter::createInstance(const ClassDef& cls, Variant& out) {
    auto obj = std::make_shared<ClassInstance>(*this, cls);
    out = Variant::object(obj);
    if (cls.initialize) callProcedure(*cls.initialize, obj.get(), {});
    obj->initialized = true;
}

ClassInstance::ClassInstance(Interpreter& in, const ClassDef& cls) : in_(in), cls_(cls) {
    fields.resize(cls.fields.size());
    for (size_t i = 0; i < cls.fields.size(); ++i) {
        if (!cls.fields[i].isArray) continue;
        auto arr = makeArray(cls.fields[i].dims);
        arr->fixedSize = !cls.fields[i].dims.empty();
        fields[i] = Variant::array(std::move(arr));
    }
}

ClassInstance::~ClassInstance() {
    if (cls_.terminate && initialized && !in_.terminating) {
        try {
            in_.callProcedure(*cls_.terminate, this, {});
        } catch (...) {
            // An error in Class_Terminate has nowhere to go.
        }
    }
    releaseIteratively(fields);
}

Variant ClassInstance::call(std::string_view name, ArgRefs args) {
    return callMember(name, args, false);
}

void ClassInstance::assign(std::string_view name, ArgRefs args, const Variant& value, bool isSet) {
    assignMember(name, args, value, isSet, false);
}

static Variant& fieldElement(Variant& field, ArgRefs args) {
    if (!field.isArray()) raiseError(err::TypeMismatch);
    ArrayData& arr = *field.arr();
    if (args.size() != arr.upper.size()) raiseError(err::SubscriptOutOfRange);
    size_t offset = 0;
    for (size_t d = 0; d < args.size(); ++d) {
        int32_t i = toLong(*args[d]);
        if (i < 0 || i > arr.upper[d]) raiseError(err::SubscriptOutOfRange);
        offset = offset * (static_cast<size_t>(arr.upper[d]) + 1) + static_cast<size_t>(i);
    }
    return arr.values[offset];
}

namespace {

// What `Me` stands for outside a class: the script itself, whose members are its global
// variables and procedures (`Me.Total`, `Me.Refresh 1`).
class ScriptScope : public ScriptObject {
public:
    explicit ScriptScope(Interpreter& in) : in_(in) {}
    std::string typeName() const override { return "Object"; }

    Variant call(std::string_view name, ArgRefs args) override {
        std::string lower = lowerName(name);
        int g = in_.findGlobal(lower);
        if (g >= 0) return args.empty() ? in_.globals[g] : fieldElement(in_.globals[g], args);
        auto p = in_.procedures.find(lower);
        if (p == in_.procedures.end()) raiseError(err::NoSuchMember);
        return in_.callProcedure(*p->second, nullptr, args);
    }

    void assign(std::string_view name, ArgRefs args, const Variant& value, bool isSet) override {
        std::string lower = lowerName(name);
        int g = in_.findGlobal(lower);
        if (g < 0) raiseError(err::NoSuchMember);
        if (in_.globalConstants.count(lower)) raiseError(err::IllegalAssignment);
        Variant& global = in_.globals[g];
        storeValue(args.empty() ? global : fieldElement(global, args), value, isSet);
    }

private:
    Interpreter& in_;
};

} // namespace

const std::shared_ptr<ScriptObject>& Interpreter::scriptObject() {
    if (!scriptObject_) scriptObject_ = std::make_shared<ScriptScope>(*this);
    return scriptObject_;
}

Variant ClassInstance::callMember(std::string_view name, ArgRefs args, bool fromInside) {
    std::shared_ptr<ScriptObject> keepAlive = weak_from_this().lock();
    if (name.empty()) {
        if (!cls_.defaultMember) raiseError(err::NoSuchMember);
        return in_.callProcedure(*cls_.defaultMember, this, args);
    }
    std::string lower = lowerName(name);
    auto f = cls_.fieldIndex.find(lower);
    if (f != cls_.fieldIndex.end() && (fromInside || cls_.fields[f->second].isPublic)) {
        Variant& field = fields[f->second];
        if (args.empty()) return field;
        if (field.isObject() && field.obj()) return field.obj()->call("", args);
        return fieldElement(field, args);
    }
    auto m = cls_.methods.find(lower);
    if (m != cls_.methods.end() && (fromInside || m->second->isPublic))
        return in_.callProcedure(*m->second, this, args);
    raiseError(err::NoSuchMember);
}

void ClassInstance::assignMember(std::string_view name, ArgRefs args, const Variant& value,
                                 bool isSet, bool fromInside) {
    std::shared_ptr<ScriptObject> keepAlive = weak_from_this().lock();
    std::string lower = lowerName(name);
    auto f = cls_.fieldIndex.find(lower);
    if (f != cls_.fieldIndex.end() && (fromInside || cls_.fields[f->second].isPublic)) {
        Variant& field = fields[f->second];
        storeValue(args.empty() ? field : fieldElement(field, args), value, isSet);
        return;
    }
    const auto& table = isSet ? cls_.setters : cls_.letters;
    auto p = table.find(lower);
    if (p == table.end() || !(fromInside || p->second->isPublic)) raiseError(err::NoSuchMember);
    std::vector<Variant*> all(args.begin(), args.end());
    Variant copy = value;
    all.push_back(&copy);
    in_.callProcedure(*p->second, this, all);
}

} // namespace tabulo::vbs

namespace tabulo::vbs {

namespace {

bool knownOutside(const Interpreter& in, const Scope& s, const std::string& lower) {
    if (s.cls && (s.cls->fieldIndex.count(lower) || s.cls->methods.count(lower) ||
                  s.cls->letters.count(lower) || s.cls->setters.count(lower)))
        return true;
    return in.findGlobal(lower) >= 0 || in.procedures.count(lower) || in.classes.count(lower) ||
           findBuiltin(lower);
}

// Names a procedure uses without declaring them become its own variables,
// unless Option Explicit asks for declarations. ReDim declares in any case.
void addImplicitLocals(const Interpreter& in, Scope& s, bool optionExplicit) {
    s.optionExplicit = s.optionExplicit || optionExplicit;
    for (const std::string& name : s.redimmed)
        if (!s.locals.count(name) && !knownOutside(in, s, name)) s.addLocal(name);
    if (s.optionExplicit) return;
    for (const std::string& name : s.mentioned)
        if (!s.locals.count(name) && !knownOutside(in, s, name)) {
            s.addLocal(name);
            s.implicit.insert(name);
        }
}

} // namespace

// A procedure defined again replaces the earlier definition; a procedure and a
// variable of the same name clash. A name only used, never declared, is no variable here:
// code run by Execute may define it as a procedure.
void Interpreter::registerDefinitions(CodeUnit& unit) {
    for (auto& p : unit.procedures) {
        std::string lower = lowerName(p->name);
        if (unit.top.locals.count(lower) && !unit.top.implicit.count(lower)) {
            ScriptError e(err::NameRedefined);
            e.line = p->line;
            e.column = p->column;
            e.positioned = e.compileError = true;
            throw e;
        }
        procedures[lower] = p.get();
    }
    for (auto& cls : unit.classes)
        classes[lowerName(cls->name)] = cls.get();
}

void Interpreter::install(CodeUnit& unit) {
    // A constant (or host object) of earlier code cannot be defined again.
    for (const auto& init : unit.top.constInits)
        if (globalConstants.count(init.lower)) throw ScriptError(err::NameRedefined);
    registerDefinitions(unit);
    for (const auto& [name, slot] : unit.top.locals)
        globalSlot(name);
    for (const std::string& name : unit.top.redimmed)
        if (!knownOutside(*this, unit.top, name)) globalSlot(name);
    for (auto& init : unit.top.constInits) {
        init.slot = globalSlot(init.lower);
        globalConstants.insert(init.lower);
    }
    bool strict = unit.top.optionExplicit;
    if (!strict)
        for (const std::string& name : unit.top.mentioned)
            if (!knownOutside(*this, unit.top, name)) {
                globalSlot(name);
                implicitGlobals.insert(name);
            }
    installProcedures(unit);
}

void Interpreter::installProcedures(CodeUnit& unit) {
    bool strict = unit.top.optionExplicit;
    for (auto& p : unit.procedures)
        addImplicitLocals(*this, p->scope, strict);
    for (auto& cls : unit.classes)
        for (auto& p : cls->procedures)
            addImplicitLocals(*this, p->scope, strict);
}

void Interpreter::installInProcedure(CodeUnit& unit) {
    registerDefinitions(unit);
    addImplicitLocals(*this, unit.top, false);
    installProcedures(unit);
}

} // namespace tabulo::vbs
