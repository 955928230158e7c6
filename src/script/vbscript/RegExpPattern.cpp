// Rewrites a script's regular expression into PCRE2 syntax one construct at a time,
// refusing what the script's dialect does not know.

#include "script/vbscript/RegExpPattern.h"

#include "base/CodePage.h"
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

constexpr std::string_view kNoByte = "[^\\x00-\\xff]";
constexpr std::string_view kAnyByte = "[\\x00-\\xff]";
constexpr int kWritten = -1; // an escape that wrote its own PCRE2 text

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
            if (const int ch = escape(false); ch != kWritten) appendCharacter(ch);
            return;
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

    // A class: each character, range and class escape in turn. The pattern's escapes name
    // Unicode characters and the text holds Windows-1252 bytes, so a range takes every byte
    // whose character lies in it. A class left with nothing in it matches no byte (or,
    // negated, every byte); PCRE2 mishandles a repeated empty class.
    void charClass() {
        const size_t open = out_.size();
        const bool negated = pos_ < in_.size() && in_[pos_] == '^';
        out_ += negated ? "[^" : "[";
        pos_ += negated;
        const size_t first = out_.size();
        for (;;) {
            if (!more()) fail(err::RegExpBracket);
            if (in_[pos_] == ']') break;
            const int low = classAtom();
            if (peek() != '-' || pos_ + 1 >= in_.size() || in_[pos_ + 1] == ']') {
                if (low != kWritten) appendRange(low, low);
                continue;
            }
            ++pos_;
            const int high = classAtom();
            if (low == kWritten || high == kWritten || low > high) fail(err::RegExpRange);
            appendRange(low, high);
        }
        ++pos_;
        if (out_.size() == first) {
            out_.resize(open);
            out_ += negated ? kAnyByte : kNoByte;
        } else {
            out_ += ']';
        }
    }

    int classAtom() {
        const char c = in_[pos_++];
        if (c == '\\') return escape(true);
        return static_cast<int>(
            Cp1252ToCodePoint(static_cast<unsigned char>(c))); // "[" too: no POSIX classes
    }

    // The bytes whose characters lie in [low, high], as runs of byte ranges.
    void appendRange(int low, int high) {
        for (unsigned b = 0; b < 256; ++b) {
            if (!inRange(b, low, high)) continue;
            unsigned last = b;
            while (last + 1 < 256 && inRange(last + 1, low, high))
                ++last;
            out_ += byteEscape(b);
            if (last > b) out_ += '-' + byteEscape(last);
            b = last;
        }
    }
    static bool inRange(unsigned b, int low, int high) {
        const auto c = static_cast<int>(Cp1252ToCodePoint(static_cast<unsigned char>(b)));
        return c >= low && c <= high;
    }

    // A character outside a class: its byte, or a class no byte is in.
    void appendCharacter(int codePoint) {
        const int b = Cp1252ByteOf(static_cast<char32_t>(codePoint));
        out_ += b >= 0 ? byteEscape(static_cast<unsigned>(b)) : std::string(kNoByte);
    }

    // The escape after a backslash: the character it stands for, or kWritten when it wrote
    // a class (\d, \w ...), an assertion or a back reference itself.
    int escape(bool inClass) {
        if (!more()) fail(err::RegExpSyntax);
        const char e = in_[pos_++];
        switch (e) {
        case 'd':
        case 'D':
        case 'w':
        case 'W':
        case 's':
        case 'S':
            out_ += '\\';
            out_ += e;
            return kWritten;
        case 'f':
            return '\f';
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case 'v':
            return '\v'; // the vertical tab, not a class of line breaks
        case 'b':
        case 'B':
            if (inClass) return e == 'b' ? '\b' : 'B'; // backspace in a class
            out_ += '\\';
            out_ += e;
            canRepeat_ = false;
            return kWritten;
        case 'x':
            return hexEscape(2);
        case 'u':
            return hexEscape(4);
        case 'c':
            if (isLetter(peek())) return in_[pos_++] % 32;
            out_ += "\\\\"; // a backslash, then the letter
            return 'c';
        default:
            break;
        }
        if (isDigit(e)) return decimalEscape(inClass);
        // A letter without a meaning, or any other character, stands for itself.
        return static_cast<int>(Cp1252ToCodePoint(static_cast<unsigned char>(e)));
    }

    // \xHH and \uHHHH; without all their digits they are the letter.
    int hexEscape(size_t digits) {
        int value = 0;
        for (size_t i = 0; i < digits; ++i) {
            const int h = pos_ + i < in_.size() ? hexValue(in_[pos_ + i]) : -1;
            if (h < 0) return in_[pos_ - 1];
            value = value * 16 + h;
        }
        pos_ += digits;
        return value;
    }

    // \n is a back reference when there are n groups, otherwise an octal escape (or, for
    // 8 and 9, the digit itself).
    int decimalEscape(bool inClass) {
        const size_t start = pos_ - 1;
        size_t end = start;
        while (end < in_.size() && isDigit(in_[end]))
            ++end;
        if (!inClass && in_[start] != '0' && end - start <= 3) {
            int n = std::stoi(std::string(in_.substr(start, end - start)));
            if (n <= groups_) {
                out_ += "\\g{" + std::to_string(n) + "}";
                pos_ = end;
                return kWritten;
            }
        }
        if (!isOctal(in_[start])) return in_[start];
        int value = 0;
        size_t i = start;
        while (i < in_.size() && i - start < 3 && isOctal(in_[i]) &&
               value * 8 + (in_[i] - '0') <= 0377)
            value = value * 8 + (in_[i++] - '0');
        pos_ = i;
        return value;
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
