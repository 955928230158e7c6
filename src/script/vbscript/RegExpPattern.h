#pragma once
// The language's regular-expression syntax, rewritten for PCRE2 so that each construct
// means what it means to the script: "." and the line anchors know both CR and LF, escapes
// of letters without a meaning stand for the letter, "\v" is the vertical tab, "\1" is an
// octal escape when there is no first group, and the constructs the language lacks
// (look-behind, named groups, possessive quantifiers, POSIX classes) are refused or taken
// literally as the language would.

#include <string>
#include <string_view>

namespace tabulo::vbs {

struct PcrePattern {
    std::string text;
    int groups = 0; // capturing groups
};

// Throws ScriptError 5017 (syntax), 5018 (quantifier) or 5019 ("]" missing).
PcrePattern translatePattern(std::string_view pattern, bool multiline);

} // namespace tabulo::vbs
