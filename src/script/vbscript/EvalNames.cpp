// Names, calls and member access.

#include "script/vbscript/BuiltinClasses.h"
#include "script/vbscript/Builtins.h"
#include "script/vbscript/CallArgs.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/Nodes.h"

namespace tabulo::vbs {

void Expr::assign(Context&, const Variant&, bool) const {
    raiseError(err::IllegalAssignment);
}

// A name never declared that Execute later defined as a procedure is that procedure.
static const Procedure* definedSince(const Interpreter& in, const std::string& lower,
                                     const std::unordered_set<std::string>& implicit) {
    if (!implicit.count(lower)) return nullptr;
    auto p = in.procedures.find(lower);
    return p == in.procedures.end() ? nullptr : p->second;
}

// Binds the name the first time its node runs. The look-up order:
//   0. a name never declared that Execute has since defined as a procedure
//   1. a local of the procedure: parameter, Dim, Const, implicit local, function result
//   2. a field of the class the code belongs to
//   3. a method or property of that class (called on Me)
//   4. a global variable or constant, host objects (AddObject) included
//   5. a procedure of the script
//   6. a built-in function or named constant
//   7. a new implicit global; under Option Explicit "Variable is undefined" when used
void NameExpr::resolve(Context& c) const {
    Interpreter& in = c.in;
    Binding b;
    const Scope* s = scope;
    if (s->proc) {
        auto it = s->locals.find(lower);
        if (const Procedure* p = definedSince(in, lower, s->implicit)) {
            bind = {BindKind::Procedure, -1, false, p, nullptr};
            return;
        }
        if (it != s->locals.end()) {
            b.kind = BindKind::Local;
            b.index = it->second;
            b.constant = s->constants.count(lower) > 0;
            if (hasArgs && it->second == s->proc->resultSlot) {
                b.kind = s->cls ? BindKind::MeMember : BindKind::Procedure;
                b.proc = s->proc;
            }
            bind = b;
            return;
        }
    }
    if (s->cls) {
        auto f = s->cls->fieldIndex.find(lower);
        if (f != s->cls->fieldIndex.end()) {
            bind = {BindKind::Member, f->second, false, nullptr, nullptr};
            return;
        }
        if (s->cls->methods.count(lower) || s->cls->letters.count(lower) ||
            s->cls->setters.count(lower)) {
            bind.kind = BindKind::MeMember;
            return;
        }
    }
    if (const Procedure* p = definedSince(in, lower, in.implicitGlobals)) {
        bind = {BindKind::Procedure, -1, false, p, nullptr};
        return;
    }
    int g = in.findGlobal(lower);
    if (g >= 0) {
        bind = {BindKind::Global, g, in.globalConstants.count(lower) > 0, nullptr, nullptr};
        return;
    }
    auto p = in.procedures.find(lower);
    if (p != in.procedures.end()) {
        bind = {BindKind::Procedure, -1, false, p->second, nullptr};
        return;
    }
    if (const Builtin* f = findBuiltin(lower)) {
        bind = {BindKind::Builtin, -1, false, nullptr, f};
        return;
    }
    if (s->optionExplicit) {
        bind.kind = BindKind::Undefined;
        return;
    }
    bind = {BindKind::Global, in.globalSlot(lower), false, nullptr, nullptr};
}

// A variable that Execute declared in this call hides a class field or global of its name
// from the procedure's own code; the binding is shared by every call, so this is asked here.
Variant& NameExpr::storage(Context& c) const {
    if (bind.kind != BindKind::Local && c.frame.added)
        if (Variant* added = c.frame.added->find(lower)) return *added;
    switch (bind.kind) {
    case BindKind::Local:
        return c.frame.locals[bind.index].deref();
    case BindKind::Member:
        return c.frame.me->fields[bind.index];
    default:
        return c.in.globals[bind.index];
    }
}

static bool isVariable(BindKind k) {
    return k == BindKind::Local || k == BindKind::Global || k == BindKind::Member;
}

static Variant indexValue(Context& c, const Variant& v, const ExprList& args) {
    if (v.isArray()) {
        std::shared_ptr<ArrayData> hold = v.arr();
        return indexArray(c, *hold, args);
    }
    if (v.isObject()) {
        if (!v.obj()) raiseError(err::ObjectNotSet);
        std::shared_ptr<ScriptObject> hold = v.obj();
        CallArgs a(c, args, true);
        return hold->call("", a.refs());
    }
    if (args.empty()) return v;
    raiseError(err::TypeMismatch);
}

Variant NameExpr::invoke(Context& c) const {
    switch (bind.kind) {
    case BindKind::Procedure: {
        CallArgs a(c, args, true);
        return c.in.callProcedure(*bind.proc, nullptr, a.refs());
    }
    case BindKind::MeMember: {
        CallArgs a(c, args, true);
        return c.frame.me->callMember(name, a.refs(), true);
    }
    case BindKind::Builtin: {
        const Builtin& f = *bind.builtin;
        if (!f.fn && !f.scopedFn) {
            if (!args.empty()) raiseError(err::TypeMismatch);
            return f.constant;
        }
        int n = static_cast<int>(args.size());
        if (n < f.minArgs || n > f.maxArgs) raiseError(err::WrongArgCount);
        CallArgs a(c, args, false);
        return f.scopedFn ? f.scopedFn(c, a.refs()) : f.fn(c.in, a.refs());
    }
    default:
        raiseError(err::VariableUndefined);
    }
}

Variant NameExpr::eval(Context& c) const {
    const Binding& b = binding(c);
    if (isVariable(b.kind)) {
        Variant& v = storage(c);
        if (!hasArgs) return v;
        return indexValue(c, v, args);
    }
    return invoke(c);
}

void NameExpr::callStatement(Context& c) const {
    const Binding& b = binding(c);
    const bool valueOnly = b.kind == BindKind::Builtin && b.builtin->valueOnly;
    eval(c);
    // A conversion's result has nowhere to go; its argument's own error comes first.
    if (valueOnly) raiseError(err::UnsupportedType);
}

const Variant* NameExpr::peek(Context& c) const {
    const Binding& b = binding(c);
    if (isVariable(b.kind) && !hasArgs) return &storage(c);
    return nullptr;
}

// The array element a by-reference argument points at, locked while the call runs;
// null when the value is no array (the argument then passes by value).
static Variant* elementReference(Context& c, Variant& v, const ExprList& args, ArgPack& pack) {
    if (!v.isArray()) return nullptr;
    std::shared_ptr<ArrayData> arr = v.arr();
    Variant& element = indexArray(c, *arr, args);
    ++arr->locks;
    pack.locked.push_back(std::move(arr));
    return &element;
}

// `v(args) = value`: an array element, or the default member of an object.
static void assignIndexed(Context& c, Variant& v, const ExprList& args, const Variant& value,
                          bool isSet) {
    if (v.isArray()) {
        std::shared_ptr<ArrayData> hold = v.arr();
        storeValue(indexArray(c, *hold, args), value, isSet);
    } else if (v.isObject()) {
        if (!v.obj()) raiseError(err::ObjectNotSet);
        std::shared_ptr<ScriptObject> hold = v.obj();
        CallArgs a(c, args, true);
        hold->assign("", a.refs(), value, isSet);
    } else {
        raiseError(err::TypeMismatch);
    }
}

Variant* NameExpr::reference(Context& c, ArgPack& pack) const {
    const Binding& b = binding(c);
    if (!isVariable(b.kind)) return nullptr;
    Variant& v = storage(c);
    return hasArgs ? elementReference(c, v, args, pack) : &v;
}

void NameExpr::assign(Context& c, const Variant& value, bool isSet) const {
    const Binding& b = binding(c);
    if (b.constant) raiseError(err::IllegalAssignment);
    if (isVariable(b.kind)) {
        Variant& v = storage(c);
        if (hasArgs)
            assignIndexed(c, v, args, value, isSet);
        else
            storeValue(v, value, isSet);
        return;
    }
    if (b.kind == BindKind::MeMember) {
        CallArgs a(c, args, true);
        c.frame.me->assignMember(name, a.refs(), value, isSet, true);
        return;
    }
    if (b.kind == BindKind::Undefined) raiseError(err::VariableUndefined);
    raiseError(err::IllegalAssignment);
}

// The target's own storage when it is a variable or element (so that `x(0)(1) = 5`
// changes the array inside x), else its value in `held`.
static Variant& targetValue(Context& c, const Expr& target, ArgPack& pack, Variant& held) {
    if (Variant* p = target.reference(c, pack)) return p->deref();
    held = target.eval(c);
    return held;
}

Variant IndexExpr::eval(Context& c) const {
    ArgPack pack;
    Variant held;
    return indexValue(c, targetValue(c, *target, pack, held), args);
}

Variant* IndexExpr::reference(Context& c, ArgPack& pack) const {
    Variant held;
    Variant& v = targetValue(c, *target, pack, held);
    return &v == &held ? nullptr : elementReference(c, v, args, pack);
}

void IndexExpr::assign(Context& c, const Variant& value, bool isSet) const {
    ArgPack pack;
    Variant held;
    assignIndexed(c, targetValue(c, *target, pack, held), args, value, isSet);
}

static std::shared_ptr<ScriptObject> objectOf(Context& c, const Expr& e) {
    const Variant* p = e.peek(c);
    Variant held;
    if (!p) {
        held = e.eval(c);
        p = &held;
    }
    if (!p->isObject()) raiseError(err::ObjectRequired);
    if (!p->obj()) raiseError(err::ObjectNotSet);
    return p->obj();
}

Variant MemberExpr::eval(Context& c) const {
    std::shared_ptr<ScriptObject> obj = objectOf(c, *object);
    CallArgs a(c, args, true);
    if (c.frame.me == obj.get()) return c.frame.me->callMember(name, a.refs(), true);
    if (obj->mayWaitForUser())
        return c.in.waitingForUser([&] { return obj->call(name, a.refs()); });
    return obj->call(name, a.refs());
}

void MemberExpr::assign(Context& c, const Variant& value, bool isSet) const {
    std::shared_ptr<ScriptObject> obj = objectOf(c, *object);
    CallArgs a(c, args, true);
    if (c.frame.me == obj.get())
        c.frame.me->assignMember(name, a.refs(), value, isSet, true);
    else
        obj->assign(name, a.refs(), value, isSet);
}

Variant MeExpr::eval(Context& c) const {
    if (!c.frame.me) return Variant::object(c.in.scriptObject());
    return Variant::object(c.frame.me->shared_from_this());
}

// The language's own RegExp wins over a script class of the same name.
Variant NewExpr::eval(Context& c) const {
    if (sameName(className, "regexp")) return Variant::object(makeRegExp());
    auto it = c.in.classes.find(lowerName(className));
    if (it == c.in.classes.end()) throw ScriptError(506, "Class not defined");
    Variant out;
    c.in.createInstance(*it->second, out);
    return out;
}

} // namespace tabulo::vbs
