#pragma once
// The database file-name rule: "Stock", "Stock.tbd" and " Stock.TBD " all name Stock.Tbd;
// and the rule for the files the program writes out (the export's ".csv", the ".pdf").

#include "base/FilePath.h"
#include "engine/FileSystem.h"

#include <string_view>

namespace tabulo {

// Trimmed, with a trailing ".TBD" of any case removed when the name is longer than 4.
FilePath DatabaseBaseName(const FilePath& name);
// The file named by the rule: the base name with ".Tbd" appended.
FilePath DatabaseFileName(const FilePath& name);

// An output file's name as the user typed it, with the extension (".csv") appended unless
// the name already ends in it in any case: "data" -> "data.csv", "data.CSV" is kept,
// "data.txt" -> "data.txt.csv".
FilePath WithExtension(const FilePath& name, std::string_view extension);

// The file that opening a base name reaches: base + ".Tbd" when it exists; otherwise the one
// file of that folder named base + ".tbd" in another mix of cases (a file copied from a
// system that ignores case). Empty when there is none, or more than one such file.
FilePath FindDatabaseFile(FileSystem& fs, const FilePath& baseName);

// The names a pack uses beside the database file: the file's own path with its extension
// replaced by ".TbB" (the work file), ".TbO" (a copy of the old file,
// named ".Bak" once the pack has succeeded) and ".Bak" (the old file of the last pack).
struct PackFileNames {
    FilePath database, work, oldCopy, backup;
};
PackFileNames PackNamesOf(const FilePath& databasePath);

} // namespace tabulo
