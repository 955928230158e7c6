// The tokenizer: names, keywords, numbers (decimal, &H and &O), strings with doubled
// quotes, #date# literals and operators, read one character at a time. Errors carry the
// position of the character where the token went wrong.

#include "script/vbscript/Lexer.h"

#include "script/vbscript/Convert.h"
#include "script/vbscript/RuntimeBridge.h"
#include "vbscript/ScriptError.h"
#include "vbscript/ScriptObject.h"

#include <cmath>
#include <cstdlib>

namespace tabulo::vbs {

namespace {

bool isIdentStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isIdentChar(char c) {
    return isIdentStart(c) || (c >= '0' && c <= '9') || c == '_';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isHexDigit(char c) {
    return isDigit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f');
}
bool isOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

class Lexer {
public:
    explicit Lexer(std::string_view text) : src_(text) {}

    std::vector<Token> run() {
        while (pos_ < src_.size())
            next();
        Token end;
        end.kind = Tok::End;
        end.line = line_;
        end.column = static_cast<int>(pos_ - lineStart_);
        out_.push_back(std::move(end));
        return std::move(out_);
    }

private:
    [[noreturn]] void fail(int32_t code, size_t at) {
        ScriptError e(code);
        e.line = line_;
        e.column = static_cast<int>(at - lineStart_);
        e.positioned = true;
        e.compileError = true;
        throw e;
    }

    char peek(size_t ahead = 0) const {
        return pos_ + ahead < src_.size() ? src_[pos_ + ahead] : '\0';
    }

    Token& emit(Tok kind, size_t start) {
        Token t;
        t.kind = kind;
        t.line = line_;
        t.column = static_cast<int>(start - lineStart_);
        t.spaceBefore = space_;
        space_ = false;
        out_.push_back(std::move(t));
        return out_.back();
    }

    void newline() {
        if (peek() == '\r' && peek(1) == '\n') ++pos_;
        ++pos_;
        ++line_;
        lineStart_ = pos_;
    }

    void skipComment() {
        commentStart_ = pos_;
        while (pos_ < src_.size() && src_[pos_] != '\n' && src_[pos_] != '\r')
            ++pos_;
    }

    // " _" at the end of a line joins it to the next one.
    bool lineContinuation() {
        size_t p = pos_ + 1;
        while (p < src_.size() && (src_[p] == ' ' || src_[p] == '\t'))
            ++p;
        if (p < src_.size() && src_[p] != '\n' && src_[p] != '\r') return false;
        pos_ = p;
        if (pos_ < src_.size()) newline();
        return true;
    }

    void next() {
        char c = src_[pos_];
        size_t start = pos_;
        if (c == ' ' || c == '\t' || c == '\f' || c == '\v' || c == '\0') {
            ++pos_;
            space_ = true;
        } else if (c == '\n' || c == '\r') {
            // A line end after a comment stands where the comment began.
            emit(Tok::Newline, commentStart_ != npos ? commentStart_ : start);
            commentStart_ = npos;
            newline();
        } else if (c == '\'') {
            skipComment();
        } else if (c == '_' && !isIdentChar(peek(1)) && lineContinuation()) {
            space_ = true;
        } else if (isIdentStart(c)) {
            identifier(start);
        } else if (c == '[') {
            bracketIdentifier(start);
        } else if (isDigit(c) || (c == '.' && isDigit(peek(1)))) {
            number(start);
        } else if (c == '&' && startsRadixNumber()) {
            radixNumber(start);
        } else if (c == '"') {
            stringLiteral(start);
        } else if (c == '#') {
            dateLiteral(start);
        } else {
            symbol(c, start);
        }
    }

    // "&h1F", "&o17" and "&17" are numbers; "&hi" is "&" followed by the name hi.
    bool startsRadixNumber() const {
        char marker = peek(1) | 0x20;
        if (marker == 'h') return isHexDigit(peek(2));
        if (marker == 'o') return isOctalDigit(peek(2));
        return isOctalDigit(peek(1));
    }

    bool afterDot() const { return !out_.empty() && out_.back().kind == Tok::Dot; }

    void identifier(size_t start) {
        while (pos_ < src_.size() && isIdentChar(src_[pos_]))
            ++pos_;
        std::string_view word = src_.substr(start, pos_ - start);
        // After a dot "rem" is a member name (o.rem), not a comment.
        if (sameName(word, "rem") && !afterDot() &&
            (pos_ >= src_.size() || src_[pos_] == ' ' || src_[pos_] == '\t' || src_[pos_] == '\n' ||
             src_[pos_] == '\r' || src_[pos_] == ':')) {
            skipComment();
            return;
        }
        Token& t = emit(Tok::Identifier, start);
        t.text = std::string(word);
        t.lower = lowerName(word);
    }

    void bracketIdentifier(size_t start) {
        size_t close = src_.find(']', pos_);
        size_t eol = src_.find_first_of("\r\n", pos_);
        if (close == std::string_view::npos || (eol != std::string_view::npos && eol < close))
            fail(err::InvalidCharacter, start);
        Token& t = emit(Tok::Identifier, start);
        t.text = std::string(src_.substr(start + 1, close - start - 1));
        t.lower = "[" + lowerName(t.text);
        pos_ = close + 1;
    }

    void number(size_t start) {
        bool isFloat = false;
        while (isDigit(peek()))
            ++pos_;
        if (peek() == '.' && isDigit(peek(1))) {
            isFloat = true;
            ++pos_;
            while (isDigit(peek()))
                ++pos_;
        } else if (peek() == '.' && !isIdentStart(peek(1))) {
            isFloat = true;
            ++pos_;
        }
        if ((peek() == 'e' || peek() == 'E') &&
            (isDigit(peek(1)) || ((peek(1) == '+' || peek(1) == '-') && isDigit(peek(2))))) {
            isFloat = true;
            pos_ += 2;
            while (isDigit(peek()))
                ++pos_;
        }
        std::string digits(src_.substr(start, pos_ - start));
        double value = std::strtod(digits.c_str(), nullptr);
        Token& t = emit(Tok::Number, start);
        if (!std::isfinite(value)) fail(err::InvalidNumber, start);
        if (isFloat || value > 2147483647.0)
            t.value = Variant::dbl(value);
        else if (value <= 32767)
            t.value = Variant::integer(static_cast<int16_t>(value));
        else
            t.value = Variant::lng(static_cast<int32_t>(value));
    }

    // &hFFFF is the Integer -1: up to 16 bits without the "&" suffix read as an Integer.
    // Otherwise the 32 bits read as a Long, narrowed to an Integer when the value fits
    // (&hFFFF& is the Long 65535, &hFFFFFFFF& the Integer -1).
    void radixNumber(size_t start) {
        ++pos_; // '&'
        int base = 8;
        if ((peek() | 0x20) == 'h') {
            base = 16;
            ++pos_;
        } else if ((peek() | 0x20) == 'o') {
            ++pos_;
        }
        uint64_t value = 0;
        for (;; ++pos_) {
            char c = peek();
            if (base == 16 ? !isHexDigit(c) : !isOctalDigit(c)) break;
            value =
                value * base + static_cast<uint64_t>(isDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10);
            if (value > 0xFFFFFFFFull) fail(err::InvalidNumber, start);
        }
        bool longSuffix = peek() == '&';
        if (longSuffix) ++pos_;
        Token& t = emit(Tok::Number, start);
        int32_t n = !longSuffix && value <= 0xFFFF
                        ? static_cast<int16_t>(static_cast<uint16_t>(value))
                        : static_cast<int32_t>(static_cast<uint32_t>(value));
        t.value =
            n >= -32768 && n <= 32767 ? Variant::integer(static_cast<int16_t>(n)) : Variant::lng(n);
    }

    void stringLiteral(size_t start) {
        std::string text;
        ++pos_;
        for (;;) {
            if (pos_ >= src_.size() || src_[pos_] == '\n' || src_[pos_] == '\r')
                fail(err::UnterminatedString, start);
            char c = src_[pos_++];
            if (c == '"') {
                if (peek() != '"') break;
                ++pos_;
            }
            text += c;
        }
        Token& t = emit(Tok::String, start);
        t.text = std::move(text);
    }

    void dateLiteral(size_t start) {
        size_t close = src_.find('#', pos_ + 1);
        size_t eol = src_.find_first_of("\r\n", pos_ + 1);
        if (close == std::string_view::npos || (eol != std::string_view::npos && eol < close))
            fail(err::SyntaxError, start);
        std::string text(src_.substr(pos_ + 1, close - pos_ - 1));
        double serial;
        if (!rt::dateLiteral(text, serial)) fail(err::SyntaxError, start);
        pos_ = close + 1;
        Token& t = emit(Tok::DateLiteral, start);
        t.value = Variant::date(serial);
    }

    void symbol(char c, size_t start) {
        ++pos_;
        switch (c) {
        case '+':
            emit(Tok::Plus, start);
            return;
        case '-':
            emit(Tok::Minus, start);
            return;
        case '*':
            emit(Tok::Star, start);
            return;
        case '/':
            emit(Tok::Slash, start);
            return;
        case '\\':
            emit(Tok::Backslash, start);
            return;
        case '^':
            emit(Tok::Caret, start);
            return;
        case '&':
            emit(Tok::Ampersand, start);
            return;
        case '=': // "=>" and "=<" are ">=" and "<="
            if (peek() == '>' || peek() == '<') {
                emit(src_[pos_++] == '>' ? Tok::GreaterEqual : Tok::LessEqual, start);
            } else {
                emit(Tok::Equal, start);
            }
            return;
        case '(':
            emit(Tok::LParen, start);
            return;
        case ')':
            emit(Tok::RParen, start);
            return;
        case ',':
            emit(Tok::Comma, start);
            return;
        case '.':
            emit(Tok::Dot, start);
            return;
        case ':':
            emit(Tok::Colon, start);
            return;
        case '<':
            if (peek() == '>' || peek() == '=') {
                ++pos_;
                emit(src_[pos_ - 1] == '>' ? Tok::NotEqual : Tok::LessEqual, start);
            } else {
                emit(Tok::Less, start);
            }
            return;
        case '>': // "><" is "<>"
            if (peek() == '=' || peek() == '<') {
                emit(src_[pos_++] == '=' ? Tok::GreaterEqual : Tok::NotEqual, start);
            } else {
                emit(Tok::Greater, start);
            }
            return;
        default:
            fail(err::InvalidCharacter, start);
        }
    }

    std::string_view src_;
    size_t pos_ = 0;
    size_t lineStart_ = 0;
    int line_ = 1;
    bool space_ = false;
    static constexpr size_t npos = std::string_view::npos;
    size_t commentStart_ = npos;
    std::vector<Token> out_;
};

} // namespace

std::vector<Token> tokenize(std::string_view text) {
    return Lexer(text).run();
}

} // namespace tabulo::vbs
