#pragma once
// A database built from a JSON description: the header through the engine's encoder,
// the records as whole record texts (mark character first).

#include "base/FilePath.h"
#include "engine/DBHeader.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo::cli {

struct DatabaseImage {
    DBHeader header;
    std::vector<std::string> records; // each exactly header.RecordLength bytes
};

struct BuildResult {
    bool ok = false;
    DatabaseImage image;
    std::string error; // "place: reason" when !ok
};

// Checks and converts a description. `baseDir` resolves a "scriptFile" name.
BuildResult BuildDatabase(std::string_view json, const std::filesystem::path& baseDir);

// Writes the image under a temporary name beside `path` and renames it into place, so a
// failed write leaves no partial file and keeps an older file of that name untouched.
bool WriteDatabase(const DatabaseImage& image, const FilePath& path, std::string& error);

// Description file to database file; returns the error message, empty on success.
std::string MakeDatabase(const FilePath& descriptionPath, const FilePath& outputPath);

} // namespace tabulo::cli
