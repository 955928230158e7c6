#include "engine/FileName.h"

#include "engine/DBHeader.h"
#include "engine/DbFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace tabulo {

namespace {

constexpr std::string_view kExt = ".TBD";

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

bool EndsWithIgnoringCase(std::string_view name, std::string_view ending) {
    return name.size() >= ending.size() &&
           EqualIgnoringCase(name.substr(name.size() - ending.size()), ending);
}

} // namespace

std::string DatabaseBaseName(std::string_view rawName) {
    const std::string trimmed = TrimSpaces(rawName);
    std::string_view name = trimmed;
    if (name.size() > kExt.size() && EndsWithIgnoringCase(name, kExt))
        name.remove_suffix(kExt.size());
    return std::string(name);
}

std::string DatabaseFileName(std::string_view name) {
    return DatabaseBaseName(name) + ".Tbd";
}

std::string WithExtension(std::string_view name, std::string_view extension) {
    std::string file(name);
    if (!EndsWithIgnoringCase(name, extension)) file += extension;
    return file;
}

std::string FindDatabaseFile(const std::string& baseName) {
    const std::string exact = baseName + ".Tbd";
    if (DbFile::Exists(exact)) return exact;
    namespace fs = std::filesystem;
    const fs::path base(baseName);
    const std::string stem = base.filename().string();
    if (stem.empty()) return {};
    const fs::path folder = base.has_parent_path() ? base.parent_path() : fs::path(".");
    std::string found;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != stem.size() + kExt.size() || name.compare(0, stem.size(), stem) != 0 ||
            !EndsWithIgnoringCase(name, kExt) || !entry.is_regular_file(ec))
            continue;
        if (!found.empty()) return {}; // two candidates: neither is the one meant
        found = baseName + name.substr(stem.size());
    }
    return found;
}

PackFileNames PackNamesOf(const std::string& databasePath) {
    const std::string stem =
        databasePath.substr(0, databasePath.size() - std::min(databasePath.size(), kExt.size()));
    return {databasePath, stem + ".TbB", stem + ".TbO", stem + ".Bak"};
}

} // namespace tabulo
