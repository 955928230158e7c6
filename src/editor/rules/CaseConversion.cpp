#include "editor/rules/CaseConversion.h"

#include <algorithm>

namespace tabulo {

namespace {

// Windows-1252 letters outside ASCII whose capitals are not 32 places below them: s and z
// caron, the oe ligature, y diaeresis. (Sharp s and micro have no capital in the code page.)
struct LetterPair {
    unsigned char Small, Capital;
};
constexpr LetterPair kOddPairs[] = {{0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};
constexpr unsigned char kDivide = 0xF7, kTimes = 0xD7; // in the letter ranges, not letters

bool IsSmallLatin1(unsigned char u) {
    return u >= 0xE0 && u <= 0xFE && u != kDivide;
}
bool IsCapitalLatin1(unsigned char u) {
    return u >= 0xC0 && u <= 0xDE && u != kTimes;
}

bool Has(std::string_view format, char code) {
    return format.find(code) != std::string_view::npos;
}

bool IsWordBreak(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\0';
}

template <class Convert> std::string Mapped(std::string_view text, Convert convert) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), convert);
    return out;
}

} // namespace

char Cp1252Upper(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || IsSmallLatin1(u)) return static_cast<char>(u - 32);
    for (LetterPair p : kOddPairs)
        if (u == p.Small) return static_cast<char>(p.Capital);
    return c;
}

char Cp1252Lower(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || IsCapitalLatin1(u)) return static_cast<char>(u + 32);
    for (LetterPair p : kOddPairs)
        if (u == p.Capital) return static_cast<char>(p.Small);
    return c;
}

std::string ProperCase(std::string_view text) {
    std::string out(text);
    bool wordStart = true;
    for (char& c : out) {
        c = wordStart ? Cp1252Upper(c) : Cp1252Lower(c);
        wordStart = IsWordBreak(c);
    }
    return out;
}

std::string ConvertCase(std::string_view format, std::string_view text) {
    std::string out(text);
    if (Has(format, 'U')) out = Mapped(out, Cp1252Upper);
    if (Has(format, 'L')) out = Mapped(out, Cp1252Lower);
    if (Has(format, 'F')) out = ProperCase(out);
    return out;
}

BoxState ApplyCaseConversion(std::string_view format, const BoxState& box) {
    BoxState out = ClampSelection(box);
    out.Text = ConvertCase(format, out.Text);
    out.SelLength = 0;
    return out;
}

} // namespace tabulo
