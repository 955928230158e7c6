#pragma once
// A file's name as the file system takes it: the platform's own bytes (UTF-8 where the
// program runs), kept apart from the program's Windows-1252 text so that neither is passed
// for the other. It is made only on purpose: from native bytes (the command line, the file
// system, QFile::encodeName at the Qt edge) or from Windows-1252 text (FromText: a name a
// script gives). Messages show it through Text().
//
// Not std::filesystem::path: that one is made implicitly from any std::string, so file
// text handed where a path is wanted would still compile, which is the fault this type is
// for. The few operations the program needs on names are here instead.

#include <string>
#include <string_view>

namespace tabulo {

class FilePath {
public:
    FilePath() = default;
    explicit FilePath(std::string native) : native_(std::move(native)) {}
    // The file named by Windows-1252 text, in the file system's encoding.
    static FilePath FromText(std::string_view text);

    const std::string& Native() const { return native_; }
    // The name as Windows-1252 text, for messages and scripts; "?" for what the code page
    // cannot hold.
    std::string Text() const;
    bool Empty() const { return native_.empty(); }

    // The part after the last "/": "data/Stock.Tbd" gives "Stock.Tbd".
    FilePath FileName() const;
    // The part before the last "/" ("/" for a file at the root); empty when there is none.
    FilePath Folder() const;
    // name inside this folder, joined with one "/"; name alone when this is empty.
    FilePath operator/(const FilePath& name) const;
    // The same file name followed by suffix: "Stock" with ".Tbd".
    FilePath WithSuffix(std::string_view suffix) const;
    // The extension of the file name (from its last ".") replaced by extension, or added
    // when it has none: "Stock.Tbd" with ".Bak" gives "Stock.Bak".
    FilePath ReplaceExtension(std::string_view extension) const;
    // Whether the file name ends in extension, in any case of ASCII letters.
    bool HasExtension(std::string_view extension) const;

    bool operator==(const FilePath&) const = default;

private:
    std::string native_;
};

} // namespace tabulo
