// Statement nodes.

#include "script/vbscript/CallArgs.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/ErrObject.h"
#include "script/vbscript/Limits.h"
#include "script/vbscript/Nodes.h"

#include <new>
#include <stdexcept>

namespace tabulo::vbs {

namespace {

bool truth(Context& c, const Expr& e) {
    const Variant* p = e.peek(c);
    Variant held;
    if (!p) {
        held = e.eval(c);
        p = &held;
    }
    if (p->type() == VarType::Boolean) return p->boolValue();
    if (p->isNull()) return false;
    return toBool(*p);
}

void place(ScriptError& e, const Node& at) {
    if (!e.positioned) {
        e.line = at.line;
        e.column = at.column;
        e.positioned = true;
    }
}

} // namespace

Flow execBlock(const StmtList& body, Context& c) {
    for (const StmtPtr& s : body) {
        Flow f;
        try {
            try {
                f = s->exec(c);
            } catch (const std::bad_alloc&) {
                throw ScriptError(err::OutOfMemory);
            } catch (const std::length_error&) {
                throw ScriptError(err::OutOfMemory);
            }
        } catch (ScriptError& e) {
            place(e, *s);
            if (!c.frame.resumeNext || e.fatal) throw;
            c.in.errObject->set(e);
            continue;
        }
        if (f != Flow::Normal) return f;
    }
    return Flow::Normal;
}

Flow AssignStmt::exec(Context& c) const {
    if (appendsToSelf) {
        const auto& t = static_cast<const NameExpr&>(*target);
        const auto& concat = static_cast<const BinaryExpr&>(*value);
        const Binding& b = t.binding(c);
        bool variable =
            b.kind == BindKind::Local || b.kind == BindKind::Global || b.kind == BindKind::Member;
        if (variable && !b.constant) {
            Variant& dst = t.storage(c);
            if (dst.isString()) {
                Variant held;
                const Variant* r = concat.right->peek(c);
                if (!r) {
                    held = concat.right->eval(c);
                    r = &held;
                }
                appendText(dst.str(), *r);
                return Flow::Normal;
            }
        }
    }
    target->assign(c, value->eval(c), isSet);
    return Flow::Normal;
}

Flow CallStmt::exec(Context& c) const {
    call->callStatement(c);
    return Flow::Normal;
}

Flow IfStmt::exec(Context& c) const {
    for (const auto& [condition, body] : branches)
        if (truth(c, *condition)) return execBlock(body, c);
    return execBlock(elseBody, c);
}

static bool caseMatches(Context& c, const Variant& subject, const CaseTest& t) {
    Variant a = t.a->eval(c);
    int side = t.a->numericLiteral ? 2 : 0;
    int cmp = compareValues(subject, a, false, side);
    if (cmp == kCompareNull) return false;
    switch (t.kind) {
    case CaseTest::Value:
        return cmp == 0;
    case CaseTest::Is:
        return compareResult(t.op, cmp);
    case CaseTest::Range: {
        if (cmp < 0) return false;
        int upper = compareValues(subject, t.b->eval(c), false, t.b->numericLiteral ? 2 : 0);
        return upper != kCompareNull && upper <= 0;
    }
    }
    return false;
}

Flow SelectStmt::exec(Context& c) const {
    Variant v = subject->eval(c);
    for (const Clause& clause : clauses)
        for (const CaseTest& t : clause.tests)
            if (caseMatches(c, v, t)) return execBlock(clause.body, c);
    return execBlock(elseBody, c);
}

Flow ForStmt::exec(Context& c) const {
    Variant start = toArithmetic(from->eval(c));
    Variant end = toArithmetic(to->eval(c));
    Variant increment = step ? toArithmetic(step->eval(c)) : Variant::integer(1);
    counter->assign(c, start, false);
    bool upwards = toDouble(increment) >= 0;
    ArgPack pack;
    for (;;) {
        c.in.checkDeadline();
        Variant* v = counter->reference(c, pack);
        Variant current;
        if (!v) {
            current = counter->eval(c);
            v = &current;
        }
        int cmp = compareValues(*v, end);
        if (cmp == kCompareNull || (upwards ? cmp > 0 : cmp < 0)) break;
        Flow f = execBlock(body, c);
        if (f == Flow::ExitFor) break;
        if (f != Flow::Normal) return f;
        v = counter->reference(c, pack);
        if (v && v->type() == VarType::Integer && increment.type() == VarType::Integer) {
            int32_t next = int32_t(v->integerValue()) + increment.integerValue();
            *v = next >= -32768 && next <= 32767 ? Variant::integer(static_cast<int16_t>(next))
                                                 : Variant::lng(next);
        } else if (v) {
            *v = opAdd(*v, increment);
        } else {
            counter->assign(c, opAdd(counter->eval(c), increment), false);
        }
    }
    return Flow::Normal;
}

// An array's elements in the order For Each visits them: the first index fastest,
// while the storage keeps the last index fastest.
static std::vector<Variant> elementsFirstIndexFastest(const ArrayData& arr) {
    if (arr.upper.size() < 2) return arr.values;
    std::vector<Variant> out;
    out.reserve(arr.values.size());
    std::vector<int32_t> index(arr.upper.size(), 0);
    for (size_t n = 0; n < arr.values.size(); ++n) {
        size_t offset = 0;
        for (size_t d = 0; d < index.size(); ++d)
            offset =
                offset * (static_cast<size_t>(arr.upper[d]) + 1) + static_cast<size_t>(index[d]);
        out.push_back(arr.values[offset]);
        for (size_t d = 0; d < index.size() && ++index[d] > arr.upper[d]; ++d)
            index[d] = 0;
    }
    return out;
}

Flow ForEachStmt::exec(Context& c) const {
    Variant g = group->eval(c);
    std::vector<Variant> items;
    if (g.isArray()) {
        items = elementsFirstIndexFastest(*g.arr());
    } else if (g.isObject()) {
        if (!g.obj()) raiseError(err::ObjectNotSet);
        items = g.obj()->elements();
    } else {
        raiseError(err::NotACollection);
    }
    for (const Variant& item : items) {
        c.in.checkDeadline();
        element->assign(c, item, item.isObject());
        Flow f = execBlock(body, c);
        if (f == Flow::ExitFor) break;
        if (f != Flow::Normal) return f;
    }
    return Flow::Normal;
}

Flow DoStmt::exec(Context& c) const {
    for (;;) {
        c.in.checkDeadline();
        if (testAtTop && condition && truth(c, *condition) == untilLoop) break;
        Flow f = execBlock(body, c);
        if (f == Flow::ExitDo) break;
        if (f != Flow::Normal) return f;
        if (!testAtTop && condition && truth(c, *condition) == untilLoop) break;
    }
    return Flow::Normal;
}

std::shared_ptr<ArrayData> makeArray(const std::vector<int32_t>& upper) {
    size_t total = 1;
    for (int32_t u : upper) {
        if (u < -1) raiseError(err::SubscriptOutOfRange);
        total *= static_cast<size_t>(u) + 1;
        if (total > kMaxArrayElements) raiseError(err::OutOfMemory);
    }
    auto arr = std::make_shared<ArrayData>();
    arr->upper = upper;
    arr->values.resize(upper.empty() ? 0 : total);
    return arr;
}

static void requireResizable(const Variant& v) {
    if (v.isArray() && (v.arr()->fixedSize || v.arr()->locks > 0)) raiseError(err::ArrayLocked);
}

static void redimension(Variant& v, const std::vector<int32_t>& upper, bool preserve) {
    requireResizable(v);
    std::shared_ptr<ArrayData> old = v.isArray() ? v.arr() : nullptr;
    std::shared_ptr<ArrayData> fresh = makeArray(upper);
    if (preserve && old && !old->upper.empty()) {
        if (old->upper.size() != upper.size()) raiseError(err::SubscriptOutOfRange);
        for (size_t d = 0; d + 1 < upper.size(); ++d)
            if (old->upper[d] != upper[d]) raiseError(err::SubscriptOutOfRange);
        size_t oldRow = static_cast<size_t>(old->upper.back()) + 1;
        size_t newRow = static_cast<size_t>(upper.back()) + 1;
        size_t keep = std::min(oldRow, newRow);
        size_t rows = oldRow ? old->values.size() / oldRow : 0;
        for (size_t r = 0; r < rows; ++r)
            for (size_t i = 0; i < keep; ++i)
                fresh->values[r * newRow + i] = std::move(old->values[r * oldRow + i]);
    }
    v = Variant::array(std::move(fresh));
}

Flow DimStmt::exec(Context& c) const {
    for (const Item& item : items) {
        if (!item.hasDims && !redim) continue;
        // A fixed array refuses ReDim before its new bounds are read.
        if (redim)
            if (const Variant* current = item.target->peek(c)) requireResizable(*current);
        std::vector<int32_t> upper;
        for (const ExprPtr& d : item.dims)
            upper.push_back(toLong(d->eval(c)));
        const Binding& b = item.target->binding(c);
        if (b.kind == BindKind::Undefined) raiseError(err::VariableUndefined);
        bool variable =
            b.kind == BindKind::Local || b.kind == BindKind::Global || b.kind == BindKind::Member;
        if (!variable || b.constant) raiseError(err::IllegalAssignment);
        Variant& v = item.target->storage(c);
        if (redim) {
            redimension(v, upper, preserve);
        } else if (!v.isArray()) {
            auto arr = makeArray(upper);
            arr->fixedSize = !upper.empty();
            v = Variant::array(std::move(arr));
        }
    }
    return Flow::Normal;
}

Flow EraseStmt::exec(Context& c) const {
    Variant* v = nullptr;
    ArgPack pack;
    v = target->reference(c, pack);
    if (!v || !v->isArray()) raiseError(err::TypeMismatch);
    ArrayData& arr = *v->arr();
    if (arr.locks > 0) raiseError(err::ArrayLocked);
    if (arr.fixedSize) {
        for (Variant& x : arr.values)
            x = Variant();
    } else {
        *v = Variant::array(std::make_shared<ArrayData>());
    }
    return Flow::Normal;
}

Flow OnErrorStmt::exec(Context& c) const {
    c.frame.resumeNext = resumeNext;
    c.in.errObject->clear();
    return Flow::Normal;
}

Flow WithStmt::exec(Context& c) const {
    Variant obj = object->eval(c);
    if (!obj.isObject()) raiseError(err::ObjectRequired);
    slot->binding(c);
    slot->storage(c) = std::move(obj);
    Flow f = execBlock(body, c);
    slot->storage(c) = Variant();
    return f;
}

} // namespace tabulo::vbs
