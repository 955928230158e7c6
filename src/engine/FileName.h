#pragma once
// The database file-name rule: "Stock", "Stock.tbd" and " Stock.TBD " all name Stock.Tbd;
// and the rule for the files the program writes out (the export's ".csv", the ".pdf").

#include <string>
#include <string_view>

namespace tabulo {

// Trimmed, with a trailing ".TBD" of any case removed when the name is longer than 4.
std::string DatabaseBaseName(std::string_view name);
// The file named by the rule: the base name with ".Tbd" appended.
std::string DatabaseFileName(std::string_view name);

// An output file's name as the user typed it, with the extension (".csv") appended unless
// the name already ends in it in any case: "data" -> "data.csv", "data.CSV" is kept,
// "data.txt" -> "data.txt.csv".
std::string WithExtension(std::string_view name, std::string_view extension);

// The file that opening a base name reaches: base + ".Tbd" when it exists; otherwise the one
// file of that folder named base + ".tbd" in another mix of cases (a file copied from a
// system that ignores case). Empty when there is none, or more than one such file.
std::string FindDatabaseFile(const std::string& baseName);

// The names a pack uses beside the database file: the file's own path without its
// 4-character extension, followed by ".TbB" (the work file), ".TbO" (a copy of the old file,
// named ".Bak" once the pack has succeeded) and ".Bak" (the old file of the last pack).
struct PackFileNames {
    std::string database, work, oldCopy, backup;
};
PackFileNames PackNamesOf(const std::string& databasePath);

} // namespace tabulo
