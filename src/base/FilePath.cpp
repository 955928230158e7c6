#include "base/FilePath.h"

#include "base/CodePage.h"

#include <algorithm>
#include <cctype>

namespace tabulo {

namespace {

// Where the file name starts: after the last separator.
size_t NameStart(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

} // namespace

FilePath FilePath::FromText(std::string_view text) {
    return FilePath(Cp1252ToUtf8(text));
}

std::string FilePath::Text() const {
    return Utf8ToCp1252(native_);
}

FilePath FilePath::FileName() const {
    return FilePath(native_.substr(NameStart(native_)));
}

FilePath FilePath::Folder() const {
    const size_t start = NameStart(native_);
    if (start == 0) return {};
    return FilePath(native_.substr(0, start == 1 ? 1 : start - 1));
}

FilePath FilePath::operator/(const FilePath& name) const {
    if (native_.empty()) return name;
    if (native_.back() == '/') return FilePath(native_ + name.native_);
    return FilePath(native_ + '/' + name.native_);
}

FilePath FilePath::WithSuffix(std::string_view suffix) const {
    return FilePath(native_ + std::string(suffix));
}

FilePath FilePath::ReplaceExtension(std::string_view extension) const {
    const size_t dot = native_.rfind('.');
    const bool hasOne = dot != std::string::npos && dot >= NameStart(native_);
    return FilePath(native_.substr(0, hasOne ? dot : native_.size()) + std::string(extension));
}

bool FilePath::HasExtension(std::string_view extension) const {
    const std::string_view name = std::string_view(native_).substr(NameStart(native_));
    return name.size() >= extension.size() &&
           std::equal(extension.begin(), extension.end(), name.end() - extension.size(),
                      [](char x, char y) {
                          return std::toupper(static_cast<unsigned char>(x)) ==
                                 std::toupper(static_cast<unsigned char>(y));
                      });
}

} // namespace tabulo
