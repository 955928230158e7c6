#include "design/FormatConflicts.h"

#include "design/DesignRules.h"

namespace tabulo::design {

namespace {

// A conflict stands when the format holds at least one code of `first` and at least one of
// `second` (or, with `second` empty, at least two codes of `first`).
struct Rule {
    std::string_view first;
    std::string_view second;
    const char* reason;
};

// How a field's box treats its codes: "=" and "#" make it a label nothing is typed into;
// "*" lets every key through before any other code is asked; then the first of "E", "W",
// "Y", "D", "T" decides alone, and only without them do the character codes count. After a
// change, "U", "L" and "F" convert the whole text in that order, so the last one wins. Update
// checks "D", "T" and "!" on the value; the alignment is the last of "<", ">", "^".
constexpr Rule kRules[] = {
    {"=#", "*ANS.-EWYDTXMULF", "nothing is typed into a read-only or record-number field"},
    {"=#", "!", "a field nothing is typed into cannot be required: a new record stops there"},
    {"*", "ANS.-EWYDTX", "any character already lets every key through"},
    {"EWYDT", "", "only the first of e-mail, web, yes/no, date and time decides the keys"},
    {"EWYDT", "ANS.-X",
     "e-mail, web, yes/no, date and time decide the keys alone; letters, digits, space, "
     "point and minus are not asked"},
    {"D", "T", "no value is both a date and a time"},
    {"UL", "F", "first capitals come last and undo upper or lower case"},
    {"U", "L", "lower case comes after upper case and undoes it"},
    {"Y", "LF", "the yes/no answer must stay a capital Y or N"},
    {"<>^", "", "only one alignment shows: centred over right over left"},
};

// The codes of `set` the format holds, in the order of kFormatCodes.
std::string Held(std::string_view format, std::string_view set) {
    std::string held;
    for (char code : kFormatCodes)
        if (set.find(code) != std::string_view::npos && format.find(code) != std::string_view::npos)
            held += code;
    return held;
}

// Codes that let a character into the box; with none, only Backspace works.
constexpr std::string_view kTypingCodes = "*ANS.-EWYDT";

} // namespace

std::vector<FormatConflict> FormatConflicts(std::string_view format) {
    std::vector<FormatConflict> conflicts;
    for (const Rule& rule : kRules) {
        const std::string first = Held(format, rule.first);
        const std::string second = Held(format, rule.second);
        const bool stands =
            rule.second.empty() ? first.size() >= 2 : !first.empty() && !second.empty();
        if (stands)
            conflicts.push_back(
                {Held(format, std::string(rule.first) + std::string(rule.second)), rule.reason});
    }
    const std::string held = Held(format, kFormatCodes);
    if (!held.empty() && Held(format, "=#").empty() && Held(format, kTypingCodes).empty())
        conflicts.push_back({held, "no code lets a character be typed"});
    return conflicts;
}

} // namespace tabulo::design
