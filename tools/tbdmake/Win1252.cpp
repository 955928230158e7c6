#include "Win1252.h"

#include <array>
#include <cstdint>

namespace tabulo::tools {

namespace {

// Code points of the bytes 0x80 to 0x9F; 0 marks the five bytes that hold no character.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char CodePointToByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp && cp != 0) return static_cast<char>(0x80 + i);
    return '?';
}

char32_t ByteToCodePoint(uint8_t byte) {
    if (byte < 0x80 || byte >= 0xA0) return byte;
    char32_t cp = kHighControls[byte - 0x80];
    return cp != 0 ? cp : byte; // undefined bytes pass through as C1 controls
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `pos`, advancing it; a malformed sequence gives
// U+FFFD and consumes one byte, so a bad byte never swallows its neighbours.
char32_t NextCodePoint(std::string_view s, size_t& pos) {
    auto lead = static_cast<uint8_t>(s[pos]);
    int extra = -1;
    if (lead < 0x80)
        extra = 0;
    else if ((lead >> 5) == 0x6)
        extra = 1;
    else if ((lead >> 4) == 0xE)
        extra = 2;
    else if ((lead >> 3) == 0x1E)
        extra = 3;
    if (extra < 0 || pos + extra >= s.size()) {
        ++pos;
        return 0xFFFD;
    }
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        auto next = static_cast<uint8_t>(s[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    pos += extra + 1;
    return cp;
}

} // namespace

std::string Utf8ToWin1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();)
        out += CodePointToByte(NextCodePoint(utf8, pos));
    return out;
}

std::string Win1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        AppendUtf8(out, ByteToCodePoint(static_cast<uint8_t>(c)));
    return out;
}

} // namespace tabulo::tools
