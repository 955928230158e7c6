#pragma once
// The records of a description: listed records (field values by name, or a whole record
// text) followed by generated ones.

#include "design/JsonReader.h"
#include "engine/DBHeader.h"

#include <string>
#include <vector>

namespace tabulo::cli {

// Needs the header's fields and record length settled.
std::vector<std::string> ReadRecords(const design::ObjectReader& description,
                                     const DBHeader& header);

// Record number `number` (1-based) of a synthetic file: every field filled with a value that
// its codes accept (a date for "D", " 17" for "#", ...), live unless `deleted`.
std::string SyntheticRecord(const DBHeader& header, long number, bool deleted);

} // namespace tabulo::cli
