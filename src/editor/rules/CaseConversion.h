#pragma once
// The case conversion that follows every change of a field box's text: "U" upper case,
// then "L" lower case, then "F" first capitals, each over the whole text, in the
// Windows-1252 alphabet (accented letters included).

#include "editor/rules/BoxState.h"

#include <string>
#include <string_view>

namespace tabulo {

// The first letter of every word in capitals and every other letter in lower case.
// Words are separated by space, tab, CR, LF, vertical tab, form feed or NUL.
std::string ProperCase(std::string_view text);

// The text after the conversions that the field's codes ask for.
std::string ConvertCase(std::string_view format, std::string_view text);

// The box after its change handler has run: text converted, caret kept where it was,
// nothing selected.
BoxState ApplyCaseConversion(std::string_view format, const BoxState& box);

} // namespace tabulo
