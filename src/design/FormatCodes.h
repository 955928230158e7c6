#pragma once
// The input codes a field's format may hold, each with its meaning in a few words: what
// `tabulo-cli info` prints beside a field and the designer shows beside its check boxes.

#include <array>
#include <utility>

namespace tabulo::design {

inline constexpr std::array<std::pair<char, const char*>, 23> kFormatCodeWords = {{
    {'*', "any character"},
    {'A', "letters"},
    {'N', "digits"},
    {'S', "space"},
    {'.', "decimal point"},
    {'-', "minus"},
    {'U', "upper case"},
    {'L', "lower case"},
    {'F', "first capitals"},
    {'M', "several lines"},
    {'E', "e-mail address"},
    {'W', "web address"},
    {'Y', "yes/no"},
    {'D', "date"},
    {'T', "time"},
    {'!', "required"},
    {'#', "record number"},
    {'=', "read-only"},
    {'H', "hidden in lists"},
    {'<', "left-aligned"},
    {'>', "right-aligned"},
    {'^', "centred"},
    {'X', "hexadecimal digits"},
}};

// The words of one code; nullptr for a character that is no code.
constexpr const char* FormatCodeWords(char code) {
    for (const auto& [c, words] : kFormatCodeWords)
        if (c == code) return words;
    return nullptr;
}

} // namespace tabulo::design
