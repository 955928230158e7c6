#pragma once
// The search step without its window: records are made current one after another, and the
// first one in which a chosen field contains the text is a hit. Standard C++ only.

#include <optional>
#include <string>
#include <vector>

namespace tabulo {

class modDB;

struct SearchHit {
    long record = 0;
    int field = 0; // the first of the chosen fields, in the given order, that matched
    bool operator==(const SearchHit&) const = default;
};

// The text as the search box shows it once a step starts: blanks trimmed at both ends,
// upper case (Windows-1252 letters included).
std::string SearchText(const std::string& typed);

// Walks records after + 1 up to the record count, read afresh from the file, each becoming
// the engine's current record. A record matches when the upper-case value of one of the
// fields contains text (which SearchText has prepared). Without a hit the last record
// walked stays current.
std::optional<SearchHit> FindNextHit(modDB& db, const std::vector<int>& fields,
                                     const std::string& text, long after);

} // namespace tabulo
