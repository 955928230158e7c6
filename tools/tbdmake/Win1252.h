#pragma once
// Conversion between UTF-8 (descriptions, terminals) and the Windows-1252 bytes of a
// database file. A character that Windows-1252 cannot hold becomes "?".

#include <string>
#include <string_view>

namespace tabulo::tools {

std::string Utf8ToWin1252(std::string_view utf8);
std::string Win1252ToUtf8(std::string_view bytes);

} // namespace tabulo::tools
