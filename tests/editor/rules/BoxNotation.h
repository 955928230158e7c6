#pragma once
// A field box written as one string: "ab|c" has the caret after b, "a[bc]d" has bc
// selected. Line breaks are written as they are stored, "\r\n".

#include "editor/rules/BoxState.h"

#include <string>
#include <string_view>

namespace tabulo::test {

BoxState ParseBox(std::string_view notation);
std::string ShowBox(const BoxState& box);

} // namespace tabulo::test
