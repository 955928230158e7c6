#include "script/TbObject.h"

#include "script/clsField.h"
#include "vbscript/ScriptError.h"

#include <string_view>

namespace tabulo {

namespace {

using vbs::ArgRefs;
using vbs::Variant;

std::string Text(ArgRefs args, size_t i) {
    return vbs::toString(args[i]->deref());
}

long Number(ArgRefs args, size_t i) {
    return vbs::toLong(args[i]->deref());
}

// FNAMS of GetDBList: an array of field names.
std::vector<std::string> Names(ArgRefs args, size_t i) {
    const Variant& list = args[i]->deref();
    if (!list.isArray()) vbs::raiseError(vbs::err::TypeMismatch);
    std::vector<std::string> names;
    for (const Variant& name : list.arr()->values)
        names.push_back(vbs::toString(name.deref()));
    return names;
}

Variant SetActionByRef(clsField& tb, ArgRefs args) {
    std::string name = Text(args, 0);
    tb.SetAction(name);
    args[0]->deref() = Variant(name);
    return {};
}

struct Method {
    std::string_view name;
    size_t argCount;
    Variant (*run)(clsField&, ArgRefs);
};

const Method kMethods[] = {
    {"GetField", 1, [](clsField& tb, ArgRefs a) { return Variant(tb.GetField(Text(a, 0))); }},
    {"SetField", 2,
     [](clsField& tb, ArgRefs a) {
         tb.SetField(Text(a, 0), Text(a, 1));
         return Variant();
     }},
    {"OpenDB", 1,
     [](clsField& tb, ArgRefs a) {
         tb.OpenDB(Text(a, 0));
         return Variant();
     }},
    {"CloseDB", 0,
     [](clsField& tb, ArgRefs) {
         tb.CloseDB();
         return Variant();
     }},
    {"GetDBCount", 0,
     [](clsField& tb, ArgRefs) { return Variant::lng(static_cast<int32_t>(tb.GetDBCount())); }},
    {"GetDBField", 2,
     [](clsField& tb, ArgRefs a) { return Variant(tb.GetDBField(Number(a, 0), Text(a, 1))); }},
    {"SetDBField", 3,
     [](clsField& tb, ArgRefs a) {
         tb.SetDBField(Number(a, 0), Text(a, 1), Text(a, 2));
         return Variant();
     }},
    {"SetAction", 1, SetActionByRef},
    {"EnableDelete", 0,
     [](clsField& tb, ArgRefs) {
         tb.EnableDelete();
         return Variant();
     }},
    {"DisableDelete", 0,
     [](clsField& tb, ArgRefs) {
         tb.DisableDelete();
         return Variant();
     }},
    {"GetDate", 0, [](clsField& tb, ArgRefs) { return Variant(tb.GetDate()); }},
    {"GetTime", 0, [](clsField& tb, ArgRefs) { return Variant(tb.GetTime()); }},
    {"GetDBList", 1,
     [](clsField& tb, ArgRefs a) {
         return Variant::lng(static_cast<int32_t>(tb.GetDBList(Names(a, 0))));
     }},
    {"GetPass", 2,
     [](clsField& tb, ArgRefs a) { return Variant(tb.GetPass(Text(a, 0), Text(a, 1))); }},
};

class TbObject : public vbs::ScriptObject {
public:
    explicit TbObject(clsField& tb) : tb_(tb) {}

    std::string typeName() const override { return "clsField"; }
    bool mayWaitForUser() const override { return true; }

    Variant call(std::string_view name, ArgRefs args) override {
        if (vbs::sameName(name, "Cancel")) {
            if (!args.empty()) vbs::raiseError(vbs::err::WrongArgCount);
            return Variant::integer(static_cast<int16_t>(tb_.Cancel));
        }
        for (const Method& m : kMethods) {
            if (!vbs::sameName(name, m.name)) continue;
            if (args.size() != m.argCount) vbs::raiseError(vbs::err::WrongArgCount);
            try {
                return m.run(tb_, args);
            } catch (const ScriptFileError& e) {
                throw vbs::ScriptError(e.number, e.what());
            }
        }
        vbs::raiseError(vbs::err::NoSuchMember);
    }

    void assign(std::string_view name, ArgRefs args, const Variant& value, bool isSet) override {
        if (!vbs::sameName(name, "Cancel") || isSet) vbs::raiseError(vbs::err::NoSuchMember);
        if (!args.empty()) vbs::raiseError(vbs::err::WrongArgCount);
        // Cancel is an Integer: the script may store any number that fits, kept as given.
        tb_.Cancel = vbs::toInteger(value);
    }

private:
    clsField& tb_;
};

} // namespace

std::shared_ptr<vbs::ScriptObject> MakeTbObject(clsField& tb) {
    return std::make_shared<TbObject>(tb);
}

} // namespace tabulo
