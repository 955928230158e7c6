#pragma once
// What makes a design valid, in the words the command line and the designer both show.
// A problem names its place the way a JSON description spells it ("fields[3].offset":
// list entries by their position in the design, from 0) and the reason
// ("characters 5-7 overlap field NAME (fields[1], characters 1-10)").

#include "design/Design.h"

#include <string>
#include <string_view>
#include <vector>

namespace tabulo::design {

inline constexpr int kIntegerMax = 32767;      // largest Integer member
inline constexpr int kLargestRecord = 1 << 20; // record length a design may ask for
inline constexpr std::string_view kFormatCodes = "*ANS.-ULFMEWYDT!#=H<>^X";

struct DesignProblem {
    std::string place;
    std::string reason;
    std::string Text() const { return place.empty() ? reason : place + ": " + reason; }
};

// Every problem of the design, window first, then fields, banners, headings and script.
// Empty for a design that HeaderFromDesign may store.
std::vector<DesignProblem> Validate(const Design& design);

// The rules of single values, for an editor that checks one property as it is typed.
// Each gives the reason the value is refused, or "" when it is accepted.
std::string RangeReason(long long value, long long min, long long max);
std::string FieldNameReason(std::string_view name); // the name rule alone, not uniqueness
std::string FormatReason(std::string_view codes);
std::string ScriptReason(std::string_view script);

// "expected a whole number from MIN to MAX": the words of every range rule.
std::string RangeText(long long min, long long max);

} // namespace tabulo::design
