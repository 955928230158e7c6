#pragma once
// Upper and lower case of Windows-1252 text.

#include <string>

namespace tabulo::vbs {

std::string upperText(std::string s);
std::string lowerText(std::string s);
unsigned char upperByte(unsigned char c);
unsigned char lowerByte(unsigned char c);

} // namespace tabulo::vbs
