#pragma once
// A readable account of a database file: its header (window, fonts, fields, banners,
// page headings, script) and its records, for people and for debugging.

#include "engine/DBHeader.h"

#include <ostream>
#include <string>

namespace tabulo::tools {

struct InfoOptions {
    bool records = true; // false: the header summary only
};

// Prints the account to `out` and every problem found to `err`. Any file, however
// damaged, is read only within its bounds. Returns 0 for a sound file, 1 when the file
// cannot be read as a database or something in it is out of order.
int PrintDatabaseInfo(const std::string& path, const InfoOptions& options, std::ostream& out,
                      std::ostream& err);

// The header part of the account.
void PrintHeaderSummary(const DBHeader& header, std::ostream& out);

// A colour as "#RRGGBB", or as a plain number when it is not an RGB value.
std::string ColourText(int32_t colour);
// File text shown in UTF-8 between quotes, control characters escaped ("\r\n").
std::string QuotedText(std::string_view bytes);

} // namespace tabulo::tools
