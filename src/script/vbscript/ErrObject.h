#pragma once
// The script's Err object: the last error caught under On Error Resume Next,
// or one raised with Err.Raise.

#include "vbscript/ScriptError.h"
#include "vbscript/ScriptObject.h"

namespace tabulo::vbs {

class ErrObject : public ScriptObject {
public:
    std::string typeName() const override { return "ErrObject"; }
    Variant call(std::string_view name, ArgRefs args) override;
    void assign(std::string_view name, ArgRefs args, const Variant& value, bool isSet) override;

    void set(const ScriptError& e);
    void clear();

    int32_t number = 0;
    std::string description;
    std::string source;
    std::string helpFile;
    int32_t helpContext = 0;

private:
    // Err.Raise: what an argument leaves out comes from the properties not yet cleared.
    [[noreturn]] void raise(ArgRefs args) const;
};

} // namespace tabulo::vbs
