#pragma once
// The header's own problems: values out of range, fields outside the record or over one
// another, names that scripts cannot reach, banners the window never shows.

#include "engine/DBHeader.h"

#include <string>
#include <vector>

namespace tabulo::cli {

// One line per problem, in header order; empty for a sound header.
std::vector<std::string> HeaderProblems(const DBHeader& header);

} // namespace tabulo::cli
