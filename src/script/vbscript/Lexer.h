#pragma once
// Splits script text into tokens, each with its 1-based line and 0-based
// column. Comments and line continuations disappear here; line ends and
// colons remain as statement separators.

#include "vbscript/Variant.h"

#include <string>
#include <string_view>
#include <vector>

namespace tabulo::vbs {

enum class Tok {
    End,
    Newline,
    Colon,
    Identifier,
    Number,
    String,
    DateLiteral,
    Plus,
    Minus,
    Star,
    Slash,
    Backslash,
    Caret,
    Ampersand,
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    LParen,
    RParen,
    Comma,
    Dot,
};

struct Token {
    Tok kind = Tok::End;
    std::string text;  // identifier as written, or string contents
    std::string lower; // identifier in lower case (keywords are matched on it)
    Variant value;     // number and date literals
    int line = 1;
    int column = 0;
    bool spaceBefore = false;
};

// Throws ScriptError (compile error) with the position of the offending character.
std::vector<Token> tokenize(std::string_view text);

} // namespace tabulo::vbs
