// Conversion and type-inspection functions.

#include "script/vbscript/BuiltinClasses.h"
#include "script/vbscript/Builtins.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/ErrObject.h"
#include "script/vbscript/Interpreter.h"
#include "script/vbscript/Nodes.h"
#include "script/vbscript/RuntimeBridge.h"
#include "vbscript/ScriptError.h"

namespace tabulo::vbs {

namespace {

const Variant& arg(ArgRefs a, size_t i) {
    return *a[i];
}

const Variant& notNull(const Variant& v) {
    if (v.isNull()) raiseError(err::InvalidUseOfNull);
    return v;
}

Variant fnCStr(Interpreter&, ArgRefs a) {
    return Variant(toString(notNull(arg(a, 0))));
}
Variant fnCInt(Interpreter&, ArgRefs a) {
    return Variant::integer(toInteger(toArithmetic(notNull(arg(a, 0)))));
}
Variant fnCLng(Interpreter&, ArgRefs a) {
    return Variant::lng(toLong(toArithmetic(notNull(arg(a, 0)))));
}
Variant fnCByte(Interpreter&, ArgRefs a) {
    const Variant& v = notNull(arg(a, 0));
    if (v.type() == VarType::Boolean) return Variant::byte(v.boolValue() ? 255 : 0);
    return Variant::byte(toByte(toArithmetic(v)));
}
Variant fnCDbl(Interpreter&, ArgRefs a) {
    return Variant::dbl(toDouble(toArithmetic(notNull(arg(a, 0)))));
}
Variant fnCSng(Interpreter&, ArgRefs a) {
    return Variant::single(toSingle(toArithmetic(notNull(arg(a, 0)))));
}
Variant fnCCur(Interpreter&, ArgRefs a) {
    return Variant::currency(toCurrency(toArithmetic(notNull(arg(a, 0)))));
}
Variant fnCBool(Interpreter&, ArgRefs a) {
    return Variant::boolean(toBool(notNull(arg(a, 0))));
}
Variant fnCDate(Interpreter&, ArgRefs a) {
    return Variant::date(toDate(notNull(arg(a, 0))));
}

Variant fnIsEmpty(Interpreter&, ArgRefs a) {
    return Variant::boolean(arg(a, 0).isEmpty());
}
Variant fnIsNull(Interpreter&, ArgRefs a) {
    return Variant::boolean(arg(a, 0).isNull());
}
Variant fnIsObject(Interpreter&, ArgRefs a) {
    return Variant::boolean(arg(a, 0).isObject());
}
Variant fnIsArray(Interpreter&, ArgRefs a) {
    return Variant::boolean(arg(a, 0).isArray());
}

bool isNumericValue(const Variant& v) {
    if (v.isString()) {
        double d;
        return parseNumber(v.str(), d);
    }
    return v.isEmpty() || (v.isNumericType() && v.type() != VarType::Date);
}

// An object is judged by its default property; one without (or Nothing) is no number.
Variant fnIsNumeric(Interpreter&, ArgRefs a) {
    const Variant& v = arg(a, 0);
    if (!v.isObject()) return Variant::boolean(isNumericValue(v));
    if (!v.obj()) return Variant::boolean(false);
    Variant value;
    try {
        value = v.obj()->call("", {});
    } catch (const ScriptError& e) {
        if (e.number != err::NoSuchMember) throw;
        return Variant::boolean(false);
    }
    return Variant::boolean(!value.isObject() && isNumericValue(value));
}

Variant fnIsDate(Interpreter&, ArgRefs a) {
    const Variant& v = arg(a, 0);
    if (v.type() == VarType::Date) return Variant::boolean(true);
    double d;
    return Variant::boolean(v.isString() && rt::dateFromText(v.str(), dateOrder(), d));
}

Variant fnTypeName(Interpreter&, ArgRefs a) {
    return Variant(typeName(arg(a, 0)));
}
Variant fnVarType(Interpreter&, ArgRefs a) {
    return Variant::integer(static_cast<int16_t>(varTypeCode(arg(a, 0))));
}

Variant fnArray(Interpreter&, ArgRefs a) {
    auto arr = makeArray({static_cast<int32_t>(a.size()) - 1});
    for (size_t i = 0; i < a.size(); ++i)
        arr->values[i] = copyForAssign(*a[i]);
    return Variant::array(std::move(arr));
}

int32_t dimensionArg(ArgRefs a, const ArrayData& arr) {
    const Variant* d = optionalArg(a, 1);
    int32_t dim = d ? toLong(*d) : 1;
    if (dim < 1 || static_cast<size_t>(dim) > arr.upper.size())
        raiseError(err::SubscriptOutOfRange);
    return dim;
}

Variant fnUBound(Interpreter&, ArgRefs a) {
    if (!arg(a, 0).isArray()) raiseError(err::TypeMismatch);
    const ArrayData& arr = *arg(a, 0).arr();
    return Variant::lng(arr.upper[static_cast<size_t>(dimensionArg(a, arr)) - 1]);
}

Variant fnLBound(Interpreter&, ArgRefs a) {
    if (!arg(a, 0).isArray()) raiseError(err::TypeMismatch);
    dimensionArg(a, *arg(a, 0).arr());
    return Variant::lng(0);
}

Variant fnErr(Interpreter& in, ArgRefs) {
    return Variant::object(in.errObject);
}

Variant fnCreateObject(Interpreter&, ArgRefs a) {
    std::string progId = toString(arg(a, 0));
    if (sameName(progId, "scripting.dictionary")) return Variant::object(makeDictionary());
    if (sameName(progId, "vbscript.regexp")) return Variant::object(makeRegExp());
    raiseError(err::CantCreateObject);
}

Variant fnMsgBox(Interpreter& in, ArgRefs a) {
    std::string prompt = toString(arg(a, 0));
    const Variant* buttons = optionalArg(a, 1);
    const Variant* title = optionalArg(a, 2);
    int result = 1;
    if (in.ui)
        result = in.waitingForUser([&] {
            return in.ui->msgBox(prompt, buttons ? toLong(*buttons) : 0,
                                 title ? toString(*title) : std::string());
        });
    return Variant::integer(static_cast<int16_t>(result));
}

Variant fnInputBox(Interpreter& in, ArgRefs a) {
    std::string prompt = toString(arg(a, 0));
    const Variant* title = optionalArg(a, 1);
    const Variant* def = optionalArg(a, 2);
    if (!in.ui) return Variant(std::string());
    return Variant(in.waitingForUser([&] {
        return in.ui->inputBox(prompt, title ? toString(*title) : std::string(),
                               def ? toString(*def) : std::string());
    }));
}

// The language version this interpreter follows.
Variant fnScriptEngine(Interpreter&, ArgRefs) {
    return Variant("VBScript");
}
Variant fnScriptEngineMajorVersion(Interpreter&, ArgRefs) {
    return Variant::lng(5);
}
Variant fnScriptEngineMinorVersion(Interpreter&, ArgRefs) {
    return Variant::lng(8);
}
Variant fnScriptEngineBuildVersion(Interpreter&, ArgRefs) {
    return Variant::lng(16384);
}

} // namespace

void addConversionBuiltins(std::vector<Builtin>& out) {
    size_t first = out.size();
    out.insert(out.end(), {
                              {"cstr", 1, 1, fnCStr},
                              {"cint", 1, 1, fnCInt},
                              {"clng", 1, 1, fnCLng},
                              {"cbyte", 1, 1, fnCByte},
                              {"cdbl", 1, 1, fnCDbl},
                              {"csng", 1, 1, fnCSng},
                              {"ccur", 1, 1, fnCCur},
                              {"cbool", 1, 1, fnCBool},
                              {"cdate", 1, 1, fnCDate},
                          });
    for (size_t i = first; i < out.size(); ++i)
        out[i].valueOnly = true;
}

void addInspectionBuiltins(std::vector<Builtin>& out) {
    out.insert(out.end(), {
                              {"isempty", 1, 1, fnIsEmpty},
                              {"isnull", 1, 1, fnIsNull},
                              {"isobject", 1, 1, fnIsObject},
                              {"isarray", 1, 1, fnIsArray},
                              {"isnumeric", 1, 1, fnIsNumeric},
                              {"isdate", 1, 1, fnIsDate},
                              {"typename", 1, 1, fnTypeName},
                              {"vartype", 1, 1, fnVarType},
                              {"array", 0, 1 << 14, fnArray},
                              {"ubound", 1, 2, fnUBound},
                              {"lbound", 1, 2, fnLBound},
                              {"err", 0, 0, fnErr},
                              {"createobject", 1, 2, fnCreateObject},
                              {"msgbox", 1, 5, fnMsgBox},
                              {"inputbox", 1, 7, fnInputBox},
                              {"scriptengine", 0, 0, fnScriptEngine},
                              {"scriptenginemajorversion", 0, 0, fnScriptEngineMajorVersion},
                              {"scriptengineminorversion", 0, 0, fnScriptEngineMinorVersion},
                              {"scriptenginebuildversion", 0, 0, fnScriptEngineBuildVersion},
                          });
}

} // namespace tabulo::vbs
