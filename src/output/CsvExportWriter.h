#pragma once
// The name of the export file as the Save As dialog gave it.

#include <string>

namespace tabulo {

// The name as chosen, with ".csv" appended unless it already ends in ".csv" in any case.
std::string CsvFileName(const std::string& name);

} // namespace tabulo
