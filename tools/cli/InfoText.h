#pragma once
// Header members put into words for `info`: input codes, colours, fonts, quoted file text
// and the procedures that a script defines.

#include "engine/DBHeader.h"

#include <string>
#include <string_view>
#include <vector>

namespace tabulo::cli {

// The field's codes spelled out: "ASF!" gives "letters, space, first capitals, required".
// A character without a meaning is named as such; a blank format is "no input".
std::string CodeWords(std::string_view format);

// A colour as "#RRGGBB", or as a plain number when it is not an RGB value.
std::string ColourText(int32_t colour);

// "Arial 10 bold, #000000 on #FFFFFF".
std::string FontText(const DBFont& font);

// File text shown in UTF-8 between quotes, control characters escaped ("\r\n").
std::string QuotedText(std::string_view bytes);

// Names of the procedures (Sub and Function, public or private) declared at the script's
// top level, in their order.
std::vector<std::string> ProcedureNames(std::string_view script);

} // namespace tabulo::cli
