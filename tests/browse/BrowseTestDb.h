#pragma once
// Small databases for the browse tests: fields laid out one after another from
// character 1 of the record, records given as their field texts.

#include "DBHeader.h"

#include <string>
#include <vector>

namespace tabulo::test {

struct BrowseField {
    std::string name;
    std::string format;
    int length = 10;
    int width = 80; // pixels on the data-entry window
};

struct BrowseDb {
    std::vector<BrowseField> fields;
    std::vector<std::vector<std::string>> records; // one text per field
    std::vector<long> deleted;                     // record numbers marked "*"
    int dateOrder = 1;
    std::string fontName = "Liberation Sans";
    int fontSize = 10;
};

DBHeader BrowseHeader(const BrowseDb& db);
// Writes the database to path; records are written field by field, space-padded.
void WriteBrowseDb(const std::string& path, const BrowseDb& db);

} // namespace tabulo::test
