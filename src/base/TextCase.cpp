#include "base/TextCase.h"

#include <algorithm>
#include <array>

namespace tabulo {

namespace {

using CaseTable = std::array<unsigned char, 256>;

// Letters whose capital is not 32 places below them.
struct LetterPair {
    unsigned char Small, Capital;
};
constexpr LetterPair kOddPairs[] = {{0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};
// Divide sits among the small letters as times (0xD7) sits among the capitals; neither is
// a letter, so leaving divide out leaves times out too.
constexpr unsigned char kDivide = 0xF7;

constexpr bool IsRegularSmall(unsigned c) {
    return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != kDivide);
}

// Built once at compile time so that a conversion is one look-up per byte.
constexpr CaseTable MakeTable(bool toUpper) {
    CaseTable table{};
    for (unsigned c = 0; c < 256; ++c)
        table[c] = static_cast<unsigned char>(c);
    for (unsigned c = 0; c < 256; ++c) {
        if (!IsRegularSmall(c)) continue;
        const auto capital = static_cast<unsigned char>(c - 32);
        if (toUpper)
            table[c] = capital;
        else
            table[capital] = static_cast<unsigned char>(c);
    }
    for (LetterPair p : kOddPairs) {
        if (toUpper)
            table[p.Small] = p.Capital;
        else
            table[p.Capital] = p.Small;
    }
    return table;
}

constexpr CaseTable kUpper = MakeTable(true);
constexpr CaseTable kLower = MakeTable(false);

char Mapped(const CaseTable& table, char c) {
    return static_cast<char>(table[static_cast<unsigned char>(c)]);
}

std::string MappedText(const CaseTable& table, std::string_view text) {
    std::string out(text.size(), '\0');
    std::transform(text.begin(), text.end(), out.begin(),
                   [&table](char c) { return Mapped(table, c); });
    return out;
}

} // namespace

char Cp1252Upper(char c) {
    return Mapped(kUpper, c);
}
char Cp1252Lower(char c) {
    return Mapped(kLower, c);
}

std::string UpperText(std::string_view text) {
    return MappedText(kUpper, text);
}
std::string LowerText(std::string_view text) {
    return MappedText(kLower, text);
}

int CompareWithoutCase(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char p = kUpper[static_cast<unsigned char>(a[i])];
        const unsigned char q = kUpper[static_cast<unsigned char>(b[i])];
        if (p != q) return p < q ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

} // namespace tabulo
