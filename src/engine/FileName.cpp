#include "engine/FileName.h"

#include "engine/DBHeader.h"
#include "engine/DbFile.h"

#include <filesystem>

namespace tabulo {

namespace {

constexpr std::string_view kExt = ".TBD";

} // namespace

FilePath DatabaseBaseName(const FilePath& rawName) {
    const FilePath name(TrimSpaces(rawName.Native()));
    if (name.Native().size() <= kExt.size() || !name.HasExtension(kExt)) return name;
    return FilePath(name.Native().substr(0, name.Native().size() - kExt.size()));
}

FilePath DatabaseFileName(const FilePath& name) {
    return DatabaseBaseName(name).WithSuffix(".Tbd");
}

FilePath WithExtension(const FilePath& name, std::string_view extension) {
    return name.HasExtension(extension) ? name : name.WithSuffix(extension);
}

FilePath FindDatabaseFile(FileSystem& fs, const FilePath& baseName) {
    const FilePath exact = baseName.WithSuffix(".Tbd");
    if (DbFile::Exists(fs, exact.Native())) return exact;
    const std::string stem = baseName.FileName().Native();
    if (stem.empty()) return {};
    const FilePath folder = baseName.Folder();
    FilePath found;
    std::error_code ec;
    for (const std::filesystem::directory_entry& entry :
         std::filesystem::directory_iterator(folder.Empty() ? "." : folder.Native(), ec)) {
        const FilePath name(entry.path().filename().string());
        if (name.Native().size() != stem.size() + kExt.size() ||
            name.Native().compare(0, stem.size(), stem) != 0 || !name.HasExtension(kExt) ||
            !entry.is_regular_file(ec))
            continue;
        if (!found.Empty()) return {}; // two candidates: neither is the one meant
        found = baseName.WithSuffix(name.Native().substr(stem.size()));
    }
    return found;
}

PackFileNames PackNamesOf(const FilePath& databasePath) {
    return {databasePath, databasePath.ReplaceExtension(".TbB"),
            databasePath.ReplaceExtension(".TbO"), databasePath.ReplaceExtension(".Bak")};
}

} // namespace tabulo
