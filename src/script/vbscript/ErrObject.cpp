#include "script/vbscript/ErrObject.h"

#include "script/vbscript/Builtins.h"
#include "script/vbscript/Convert.h"

namespace tabulo::vbs {

void ErrObject::set(const ScriptError& e) {
    number = e.number;
    description = e.description;
    source = e.source.empty() ? "Microsoft VBScript runtime error" : e.source;
}

void ErrObject::clear() {
    number = 0;
    description.clear();
    source.clear();
}

Variant ErrObject::call(std::string_view name, ArgRefs args) {
    if (name.empty() || sameName(name, "number")) return Variant::lng(number);
    if (sameName(name, "description")) return Variant(description);
    if (sameName(name, "source")) return Variant(source);
    if (sameName(name, "helpfile")) return Variant(std::string());
    if (sameName(name, "helpcontext")) return Variant::lng(0);
    if (sameName(name, "clear")) {
        clear();
        return {};
    }
    if (sameName(name, "raise")) {
        if (args.empty() || args.size() > 5) raiseError(err::WrongArgCount);
        int32_t code = toLong(*args[0]);
        const Variant* src = optionalArg(args, 1);
        const Variant* text = optionalArg(args, 2);
        std::string desc = text ? toString(*text) : errorDescription(code);
        throw ScriptError(code, desc, src ? toString(*src) : std::string());
    }
    raiseError(err::NoSuchMember);
}

void ErrObject::assign(std::string_view name, ArgRefs, const Variant& value, bool) {
    if (name.empty() || sameName(name, "number"))
        number = toLong(value);
    else if (sameName(name, "description"))
        description = toString(value);
    else if (sameName(name, "source"))
        source = toString(value);
    else
        raiseError(err::NoSuchMember);
}

} // namespace tabulo::vbs
