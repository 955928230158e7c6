#pragma once
// Reading the help file. A line whose first character is "#" is a heading: it starts a
// topic, and every "#" in it stands for a blank (#Getting#Started is "Getting Started").
// A topic's text is every line up to the next heading or the end of the file. Lines end in
// CR LF (a bare LF is read as well). Text is Windows-1252. Standard C++ only.

#include "base/FilePath.h"

#include <optional>
#include <string>
#include <vector>

namespace tabulo {

// The topic list: each heading line with every "#" turned into a blank, in file order.
// nullopt when the file cannot be read.
std::optional<std::vector<std::string>> ReadHelpEntries(const FilePath& path);

// The heading line of a list entry: every blank turned back into "#".
std::string HeadingLineOf(const std::string& entry);

// The text of the first topic whose heading line is exactly headingLine, every line
// followed by CR LF; empty when there is no such heading. nullopt when the file cannot be
// read.
std::optional<std::string> ReadHelpTopic(const FilePath& path, const std::string& headingLine);

// The entry whose title (blanks trimmed) equals the topic, ignoring case and surrounding
// blanks; 0 (the first entry) when none does.
int TopicIndex(const std::vector<std::string>& entries, const std::string& topic);

} // namespace tabulo
