#pragma once
// The character sets a command reads and writes: the file's own Windows-1252 bytes, or
// UTF-8. Inside the program text stays Windows-1252; it is converted only at the edges.

#include <string>
#include <string_view>

namespace tabulo::cli {

enum class Encoding { Cp1252, Utf8 };

// Appends Windows-1252 text in the given encoding.
void AppendText(std::string& out, std::string_view cp1252, Encoding encoding);

// Text read in the given encoding as Windows-1252. False with the reason when the UTF-8 is
// malformed or holds a character that Windows-1252 has no place for.
bool DecodeText(std::string_view text, Encoding encoding, std::string& cp1252,
                std::string& problem);

} // namespace tabulo::cli
