#include "editor/rules/CaseConversion.h"

#include "base/TextCase.h"

namespace tabulo {

namespace {

bool Has(std::string_view format, char code) {
    return format.find(code) != std::string_view::npos;
}

bool IsWordBreak(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\0';
}

} // namespace

std::string ProperCase(std::string_view text) {
    std::string out(text);
    bool wordStart = true;
    for (char& c : out) {
        c = wordStart ? Cp1252Upper(c) : Cp1252Lower(c);
        wordStart = IsWordBreak(c);
    }
    return out;
}

std::string ConvertCase(std::string_view format, std::string_view text) {
    std::string out(text);
    if (Has(format, 'U')) out = UpperText(out);
    if (Has(format, 'L')) out = LowerText(out);
    if (Has(format, 'F')) out = ProperCase(out);
    return out;
}

BoxState ApplyCaseConversion(std::string_view format, const BoxState& box) {
    BoxState out = ClampSelection(box);
    out.Text = ConvertCase(format, out.Text);
    out.SelLength = 0;
    return out;
}

} // namespace tabulo
