#include "engine/FileName.h"

#include "engine/DBHeader.h"

#include <algorithm>
#include <cctype>

namespace tabulo {

std::string DatabaseBaseName(std::string_view rawName) {
    const std::string trimmed = TrimSpaces(rawName);
    std::string_view name = trimmed;
    constexpr std::string_view kExt = ".TBD";
    if (name.size() > kExt.size()) {
        std::string_view tail = name.substr(name.size() - kExt.size());
        bool isExt = std::equal(tail.begin(), tail.end(), kExt.begin(), [](char a, char b) {
            return std::toupper(static_cast<unsigned char>(a)) == b;
        });
        if (isExt) name.remove_suffix(kExt.size());
    }
    return std::string(name);
}

std::string DatabaseFileName(std::string_view name) {
    return DatabaseBaseName(name) + ".Tbd";
}

} // namespace tabulo
