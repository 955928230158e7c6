#pragma once
// The file's text is Windows-1252: one byte per character. These functions carry it to and
// from Unicode. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) map to the code points of the same value, so every byte survives a round trip.
// A character that Windows-1252 cannot hold becomes "?" and never touches its neighbours.

#include <string>
#include <string_view>

namespace tabulo {

char32_t Cp1252ToCodePoint(unsigned char byte);
int Cp1252ByteOf(char32_t codePoint);       // -1 when the code page has no such character
char CodePointToCp1252(char32_t codePoint); // '?' when the code page has no such character

std::u32string Cp1252ToCodePoints(std::string_view text);
std::string CodePointsToCp1252(std::u32string_view codePoints);

std::string Cp1252ToUtf8(std::string_view text);
// Malformed UTF-8 gives one "?" per byte that cannot start a valid sequence.
std::string Utf8ToCp1252(std::string_view utf8);
// True when every byte belongs to a well-formed, shortest-form UTF-8 sequence.
bool IsValidUtf8(std::string_view text);

} // namespace tabulo
