#include "script/vbscript/TextCase.h"

namespace tabulo::vbs {

unsigned char upperByte(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<unsigned char>(c - 32);
    switch (c) {
    case 0x9A:
        return 0x8A; // š
    case 0x9C:
        return 0x8C; // œ
    case 0x9E:
        return 0x8E; // ž
    case 0xFF:
        return 0x9F; // ÿ
    default:
        return c;
    }
}

unsigned char lowerByte(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        return c;
    }
}

std::string upperText(std::string s) {
    for (char& c : s)
        c = static_cast<char>(upperByte(static_cast<unsigned char>(c)));
    return s;
}

std::string lowerText(std::string s) {
    for (char& c : s)
        c = static_cast<char>(lowerByte(static_cast<unsigned char>(c)));
    return s;
}

} // namespace tabulo::vbs
