#pragma once
// Input codes that work against each other in a field's format: codes that a stronger code
// makes idle, codes whose checks can never all pass, and fields nothing can be typed into.
// The designer flags them beside the code boxes; `tabulo-cli check` can print them too.

#include <string>
#include <string_view>
#include <vector>

namespace tabulo::design {

struct FormatConflict {
    std::string codes;  // the codes of the format involved, in the order of kFormatCodes
    std::string reason; // in words, for the person who picked them
};

// The conflicts of a format, in a fixed order; none for an empty format.
std::vector<FormatConflict> FormatConflicts(std::string_view format);

} // namespace tabulo::design
