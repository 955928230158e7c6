#include "script/vbscript/RegExpPattern.h"

#include "vbscript/ScriptError.h"

#include <cstdio>

namespace tabulo::vbs {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isOctal(char c) {
    return c >= '0' && c <= '7';
}
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
int hexValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string byteEscape(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02x", value & 0xFFu);
    return text;
}

class Translator {
public:
    Translator(std::string_view in, bool multiline) : in_(in), multiline_(multiline) {}

    PcrePattern run() {
        PcrePattern result;
        groups_ = result.groups = countGroups();
        while (pos_ < in_.size())
            atom();
        result.text = std::move(out_);
        return result;
    }

private:
    [[noreturn]] static void fail(int32_t code) { raiseError(code); }
    bool more() const { return pos_ < in_.size(); }
    char peek() const { return more() ? in_[pos_] : '\0'; }

    int countGroups() const {
        int n = 0;
        bool inClass = false;
        for (size_t i = 0; i < in_.size(); ++i) {
            char c = in_[i];
            if (c == '\\')
                ++i;
            else if (inClass)
                inClass = c != ']';
            else if (c == '[')
                inClass = true;
            else if (c == '(' && (i + 1 >= in_.size() || in_[i + 1] != '?'))
                ++n;
        }
        return n;
    }

    void atom() {
        const char c = in_[pos_++];
        size_t end;
        if (quantifierAt(pos_ - 1, end)) return quantifier(end);
        // Whether a quantifier may follow: not at the start of the pattern, a group or an
        // alternative (where PCRE2 would read "(*" as a verb), nor after an anchor.
        canRepeat_ = c != '(' && c != '|' && c != '^' && c != '$';
        switch (c) {
        case '\\':
            return escape(false);
        case '[':
            return charClass();
        case '(':
            return group();
        case '.': // any character but a line break
            out_ += "[^\\n\\r]";
            return;
        case '^': // a line starts after CR or LF
            out_ += multiline_ ? "(?<![^\\n\\r])" : "^";
            return;
        case '$':
            out_ += multiline_ ? "(?![^\\n\\r])" : "$";
            return;
        case '{':
            out_ += "\\{"; // no quantifier: a plain brace
            return;
        default:
            out_ += c;
        }
    }

    // `*`, `+`, `?`, `{n}`, `{n,}` and `{n,m}`; true with the end of the quantifier.
    bool quantifierAt(size_t at, size_t& end) const {
        if (at >= in_.size()) return false;
        char c = in_[at];
        if (c == '*' || c == '+' || c == '?') {
            end = at + 1;
            return true;
        }
        if (c != '{') return false;
        size_t i = at + 1, digits = 0;
        while (i < in_.size() && isDigit(in_[i]))
            ++i, ++digits;
        if (digits == 0) return false;
        if (i < in_.size() && in_[i] == ',') {
            ++i;
            while (i < in_.size() && isDigit(in_[i]))
                ++i;
        }
        if (i >= in_.size() || in_[i] != '}') return false;
        end = i + 1;
        return true;
    }

    // A quantifier may be made lazy with "?"; one more quantifier after it is an error
    // (PCRE2 would read "+" as possessive).
    void quantifier(size_t end) {
        if (!canRepeat_) fail(err::RegExpQuantifier);
        canRepeat_ = false;
        out_.append(in_.substr(pos_ - 1, end - pos_ + 1));
        pos_ = end;
        if (peek() == '?') {
            out_ += '?';
            ++pos_;
        }
    }

    // Only plain, non-capturing and look-ahead groups exist.
    void group() {
        if (peek() != '?') {
            out_ += '(';
            return;
        }
        const char kind = pos_ + 1 < in_.size() ? in_[pos_ + 1] : '\0';
        if (kind != ':' && kind != '=' && kind != '!') fail(err::RegExpSyntax);
        out_ += "(?";
        out_ += kind;
        pos_ += 2;
    }

    void charClass() {
        out_ += '[';
        if (peek() == '^') {
            out_ += '^';
            ++pos_;
        }
        for (;;) {
            if (!more()) fail(err::RegExpBracket);
            const char c = in_[pos_++];
            if (c == ']') break;
            if (c == '\\')
                escape(true);
            else if (c == '[')
                out_ += "\\["; // no POSIX classes
            else
                out_ += c;
        }
        out_ += ']';
    }

    void escape(bool inClass) {
        if (!more()) fail(err::RegExpSyntax);
        const char e = in_[pos_++];
        switch (e) {
        case 'd':
        case 'D':
        case 'w':
        case 'W':
        case 's':
        case 'S':
        case 'f':
        case 'n':
        case 'r':
        case 't':
            out_ += '\\';
            out_ += e;
            return;
        case 'b':
        case 'B':
            if (inClass) {
                out_ += e == 'b' ? "\\x08" : "B"; // backspace in a class
            } else {
                out_ += '\\';
                out_ += e;
                canRepeat_ = false;
            }
            return;
        case 'v':
            out_ += "\\x0b"; // the vertical tab, not a class of line breaks
            return;
        case 'x':
            return hexEscape(2, inClass);
        case 'u':
            return hexEscape(4, inClass);
        case 'c':
            if (isLetter(peek())) {
                out_ += "\\c";
                out_ += in_[pos_++];
            } else {
                out_ += "\\\\c";
            }
            return;
        default:
            break;
        }
        if (isDigit(e)) return decimalEscape(inClass);
        if (isLetter(e)) {
            out_ += e; // a letter without a meaning stands for itself
            return;
        }
        out_ += '\\';
        out_ += e;
    }

    // \xHH and \uHHHH; without all their digits they are the letter. A character beyond
    // the first 256 cannot occur in the text: outside a class it never matches.
    void hexEscape(size_t digits, bool inClass) {
        unsigned value = 0;
        for (size_t i = 0; i < digits; ++i) {
            int h = pos_ + i < in_.size() ? hexValue(in_[pos_ + i]) : -1;
            if (h < 0) {
                out_ += in_[pos_ - 1];
                return;
            }
            value = value * 16 + static_cast<unsigned>(h);
        }
        pos_ += digits;
        if (value <= 0xFF)
            out_ += byteEscape(value);
        else if (!inClass)
            out_ += "[]";
    }

    // \n is a back reference when there are n groups, otherwise an octal escape (or, for
    // 8 and 9, the digit itself).
    void decimalEscape(bool inClass) {
        const size_t start = pos_ - 1;
        size_t end = start;
        while (end < in_.size() && isDigit(in_[end]))
            ++end;
        if (!inClass && in_[start] != '0' && end - start <= 3) {
            int n = std::stoi(std::string(in_.substr(start, end - start)));
            if (n <= groups_) {
                out_ += "\\g{" + std::to_string(n) + "}";
                pos_ = end;
                return;
            }
        }
        if (!isOctal(in_[start])) {
            out_ += in_[start];
            pos_ = start + 1;
            return;
        }
        unsigned value = 0;
        size_t i = start;
        while (i < in_.size() && i - start < 3 && isOctal(in_[i]) &&
               value * 8 + static_cast<unsigned>(in_[i] - '0') <= 0377)
            value = value * 8 + static_cast<unsigned>(in_[i++] - '0');
        out_ += byteEscape(value);
        pos_ = i;
    }

    std::string_view in_;
    bool multiline_;
    size_t pos_ = 0;
    int groups_ = 0;
    bool canRepeat_ = false;
    std::string out_;
};

} // namespace

PcrePattern translatePattern(std::string_view pattern, bool multiline) {
    return Translator(pattern, multiline).run();
}

} // namespace tabulo::vbs
