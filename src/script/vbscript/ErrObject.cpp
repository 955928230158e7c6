// Err's members (Number, Description, Source, Raise, Clear) and how a caught error
// fills them; Raise keeps what the script gave and fills the rest from the number.

#include "script/vbscript/ErrObject.h"

#include "script/vbscript/Builtins.h"
#include "script/vbscript/Convert.h"

namespace tabulo::vbs {

namespace {
const char* const kRuntimeSource = "Microsoft VBScript runtime error";
} // namespace

void ErrObject::set(const ScriptError& e) {
    number = e.number;
    description = e.description;
    source = e.source.empty() ? kRuntimeSource : e.source;
    helpFile = e.helpFile;
    helpContext = e.helpContext;
}

void ErrObject::clear() {
    number = 0;
    description.clear();
    source.clear();
    helpFile.clear();
    helpContext = 0;
}

void ErrObject::raise(ArgRefs args) const {
    if (args.empty() || args.size() > 5) raiseError(err::WrongArgCount);
    const int32_t code = languageErrorNumber(toLong(*args[0]));
    // The language's own errors are 1 to 65535; larger ones must be HRESULTs.
    if (code == 0 || code > 65535) raiseError(err::InvalidCall);
    const Variant* src = optionalArg(args, 1);
    const Variant* text = optionalArg(args, 2);
    const Variant* file = optionalArg(args, 3);
    const Variant* context = optionalArg(args, 4);
    ScriptError e(code,
                  text                  ? toString(*text)
                  : description.empty() ? errorDescription(code)
                                        : description,
                  src              ? toString(*src)
                  : source.empty() ? kRuntimeSource
                                   : source);
    e.helpFile = file ? toString(*file) : helpFile;
    e.helpContext = context ? toLong(*context) : helpContext;
    throw e;
}

Variant ErrObject::call(std::string_view name, ArgRefs args) {
    if (name.empty() || sameName(name, "number")) return Variant::lng(number);
    if (sameName(name, "description")) return Variant(description);
    if (sameName(name, "source")) return Variant(source);
    if (sameName(name, "helpfile")) return Variant(helpFile);
    if (sameName(name, "helpcontext")) return Variant::lng(helpContext);
    if (sameName(name, "clear")) {
        clear();
        return {};
    }
    if (sameName(name, "raise")) raise(args);
    raiseError(err::NoSuchMember);
}

void ErrObject::assign(std::string_view name, ArgRefs, const Variant& value, bool) {
    if (name.empty() || sameName(name, "number"))
        number = toLong(value);
    else if (sameName(name, "description"))
        description = toString(value);
    else if (sameName(name, "source"))
        source = toString(value);
    else if (sameName(name, "helpfile"))
        helpFile = toString(value);
    else if (sameName(name, "helpcontext"))
        helpContext = toLong(value);
    else
        raiseError(err::NoSuchMember);
}

} // namespace tabulo::vbs
