#pragma once
// The one case table of the program's Windows-1252 text: upper case, lower case and
// comparison without case, used by the input rules, Find, help topics, the look-up
// database and the script's text functions alike. Letters are ASCII's, the accented
// letters 0xC0-0xFE (not the signs times and divide), and s caron, oe, z caron and
// y diaeresis, whose capitals lie in 0x8A-0x9F. Sharp s and micro have no capital in the
// code page and stay as they are.

#include <string>
#include <string_view>

namespace tabulo {

char Cp1252Upper(char c);
char Cp1252Lower(char c);

std::string UpperText(std::string_view text);
std::string LowerText(std::string_view text);

// -1, 0 or 1 as `a` sorts before, with or after `b` when both are in capitals.
int CompareWithoutCase(std::string_view a, std::string_view b);

} // namespace tabulo
