#pragma once
// The header's own problems: values out of range, fields outside the record or over one
// another, names that scripts cannot reach, banners the window never shows; and the fields
// whose input codes work against each other.

#include "engine/DBHeader.h"

#include <string>
#include <vector>

namespace tabulo::cli {

// One line per problem, in header order; empty for a sound header.
std::vector<std::string> HeaderProblems(const DBHeader& header);

// One line per field whose input codes work against each other, with the reasons in words.
// The file is sound all the same: these only make the field behave otherwise than its codes
// suggest.
std::vector<std::string> HeaderWarnings(const DBHeader& header);

} // namespace tabulo::cli
