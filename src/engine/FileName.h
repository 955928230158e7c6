#pragma once
// The database file-name rule: "Stock", "Stock.tbd" and " Stock.TBD " all name Stock.Tbd.

#include <string>
#include <string_view>

namespace tabulo {

// Trimmed, with a trailing ".TBD" of any case removed when the name is longer than 4.
std::string DatabaseBaseName(std::string_view name);
// The file named by the rule: the base name with ".Tbd" appended.
std::string DatabaseFileName(std::string_view name);

// The file that opening a base name reaches: base + ".Tbd" when it exists; otherwise the one
// file of that folder named base + ".tbd" in another mix of cases (a file copied from a
// system that ignores case). Empty when there is none, or more than one such file.
std::string FindDatabaseFile(const std::string& baseName);

// The names a pack uses beside the database file: the file's own path without its
// 4-character extension, followed by ".TbB" (the work file), ".TbO" (a second name of the
// old file while the packed one takes its place) and ".Bak" (the old file afterwards).
struct PackFileNames {
    std::string database, work, hold, backup;
};
PackFileNames PackNamesOf(const std::string& databasePath);

} // namespace tabulo
