#include "help/HelpText.h"

#include "base/TextCase.h"
#include "engine/DBHeader.h"

#include <algorithm>
#include <fstream>

namespace tabulo {
namespace {

bool IsHeading(const std::string& line) {
    return !line.empty() && line.front() == '#';
}

// One line without its line end; false at the end of the file.
bool NextLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

std::string Key(const std::string& title) {
    return UpperText(TrimSpaces(title));
}

} // namespace

std::optional<std::vector<std::string>> ReadHelpEntries(const FilePath& path) {
    std::ifstream in(path.Native(), std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::string> entries;
    std::string line;
    while (NextLine(in, line)) {
        if (!IsHeading(line)) continue;
        std::replace(line.begin(), line.end(), '#', ' ');
        entries.push_back(line);
    }
    if (in.bad()) return std::nullopt;
    return entries;
}

std::string HeadingLineOf(const std::string& entry) {
    std::string line = entry;
    std::replace(line.begin(), line.end(), ' ', '#');
    return line;
}

std::optional<std::string> ReadHelpTopic(const FilePath& path, const std::string& headingLine) {
    std::ifstream in(path.Native(), std::ios::binary);
    if (!in) return std::nullopt;
    std::string line, text;
    while (NextLine(in, line))
        if (line == headingLine) break;
    while (NextLine(in, line) && !IsHeading(line))
        text += line + "\r\n";
    if (in.bad()) return std::nullopt;
    return text;
}

int TopicIndex(const std::vector<std::string>& entries, const std::string& topic) {
    const std::string wanted = Key(topic);
    for (size_t i = 0; i < entries.size(); ++i)
        if (Key(entries[i]) == wanted) return static_cast<int>(i);
    return 0;
}

} // namespace tabulo
