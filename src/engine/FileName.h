#pragma once
// The database file-name rule: "Stock", "Stock.tbd" and " Stock.TBD " all name Stock.Tbd.

#include <string>
#include <string_view>

namespace tabulo {

// Trimmed, with a trailing ".TBD" of any case removed when the name is longer than 4.
std::string DatabaseBaseName(std::string_view name);
// The file actually opened: the base name with ".Tbd" appended.
std::string DatabaseFileName(std::string_view name);

} // namespace tabulo
