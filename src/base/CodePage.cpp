#include "base/CodePage.h"

#include <array>

namespace tabulo {
namespace {

// Code points of the bytes 0x80..0x9F; the undefined bytes keep their own value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Windows-1252 maps only into the Basic Multilingual Plane: three bytes at most.
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

bool IsContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Decodes one UTF-8 sequence at pos. Returns its length, or 0 when the bytes there do not
// form a valid, shortest-form sequence of a scalar value.
size_t DecodeUtf8(std::string_view s, size_t pos, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    size_t len = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        len = 2, min = 0x80, cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        len = 3, min = 0x800, cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        len = 4, min = 0x10000, cp = lead & 0x07;
    } else {
        return 0;
    }
    if (pos + len > s.size()) return 0;
    for (size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if (!IsContinuation(b)) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

} // namespace

char32_t Cp1252ToCodePoint(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

int Cp1252ByteOf(char32_t codePoint) {
    for (size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == codePoint) return static_cast<int>(0x80 + i);
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    return -1;
}

char CodePointToCp1252(char32_t codePoint) {
    const int byte = Cp1252ByteOf(codePoint);
    return byte < 0 ? '?' : static_cast<char>(byte);
}

std::u32string Cp1252ToCodePoints(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (char ch : text)
        out += Cp1252ToCodePoint(static_cast<unsigned char>(ch));
    return out;
}

std::string CodePointsToCp1252(std::u32string_view codePoints) {
    std::string out;
    out.reserve(codePoints.size());
    for (char32_t cp : codePoints)
        out += CodePointToCp1252(cp);
    return out;
}

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text)
        AppendUtf8(out, Cp1252ToCodePoint(static_cast<unsigned char>(ch)));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        const size_t len = DecodeUtf8(utf8, pos, cp);
        out += len ? CodePointToCp1252(cp) : '?';
        pos += len ? len : 1;
    }
    return out;
}

bool IsValidUtf8(std::string_view text) {
    for (size_t pos = 0; pos < text.size();) {
        char32_t cp = 0;
        const size_t len = DecodeUtf8(text, pos, cp);
        if (len == 0) return false;
        pos += len;
    }
    return true;
}

} // namespace tabulo
