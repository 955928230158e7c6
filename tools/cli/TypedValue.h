#pragma once
// A value from an import file entered into a field as if a person typed it: each character
// goes through the field's key filter and case conversion, a line break is the Enter key.
// Fields that nobody can type into keep what the file says ("=" and a blank code string);
// "#" fields are left for the append to number.

#include "editor/rules/KeyFilter.h"

#include <string>
#include <string_view>

namespace tabulo::cli {

struct TypedValue {
    std::string text;    // what the field holds afterwards (line breaks as CR LF)
    std::string problem; // why the value was refused; empty when it was taken
    bool cut = false;    // the value was longer than the field and was cut to fit
};

// The value typed into an empty box of the field. `value` is Windows-1252; a line break in
// it may be CR LF, LF or CR.
TypedValue TypeIntoField(const FieldRules& rules, std::string_view value);

} // namespace tabulo::cli
