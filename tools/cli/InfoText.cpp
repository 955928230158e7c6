#include "InfoText.h"

#include "base/CodePage.h"
#include "design/FormatCodes.h"

#include <cctype>
#include <cstdio>

namespace tabulo::cli {

namespace {

std::string LowerWord(std::string_view word) {
    std::string lower;
    for (char c : word)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The words of one line, split at blanks and at "(".
std::vector<std::string_view> LeadingWords(std::string_view line, size_t most) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (words.size() < most) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '(')
            ++i;
        if (i == start) break;
        words.push_back(line.substr(start, i - start));
    }
    return words;
}

// The procedure that a line declares, or "".
std::string DeclaredProcedure(std::string_view line) {
    std::vector<std::string_view> words = LeadingWords(line, 3);
    size_t at = 0;
    if (at < words.size() &&
        (LowerWord(words[at]) == "public" || LowerWord(words[at]) == "private"))
        ++at;
    if (at + 1 >= words.size()) return "";
    const std::string keyword = LowerWord(words[at]);
    return keyword == "sub" || keyword == "function" ? std::string(words[at + 1]) : "";
}

} // namespace

std::string CodeWords(std::string_view format) {
    std::string words;
    for (char code : format) {
        if (code == ' ') continue;
        const char* meaning = design::FormatCodeWords(code);
        if (!words.empty()) words += ", ";
        words += meaning ? meaning : QuotedText(std::string_view(&code, 1)) + " (no meaning)";
    }
    return words.empty() ? "no input" : words;
}

std::string ColourText(int32_t colour) {
    if (colour < 0 || colour > 0xFFFFFF) return std::to_string(colour);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return text;
}

std::string FontText(const DBFont& f) {
    std::string text = Cp1252ToUtf8(TrimSpaces(f.Name)) + " " + std::to_string(f.Size);
    if (f.Bold) text += " bold";
    if (f.Italic) text += " italic";
    return text + ", " + ColourText(f.ForeColor) + " on " + ColourText(f.BackColor);
}

std::string QuotedText(std::string_view bytes) {
    std::string out = "\"";
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += Cp1252ToUtf8(std::string_view(&c, 1));
        }
    }
    return out + "\"";
}

std::vector<std::string> ProcedureNames(std::string_view script) {
    std::vector<std::string> names;
    while (!script.empty()) {
        const size_t end = script.find_first_of("\r\n");
        const std::string name = DeclaredProcedure(script.substr(0, end));
        if (!name.empty()) names.push_back(Cp1252ToUtf8(name));
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
    }
    return names;
}

} // namespace tabulo::cli
