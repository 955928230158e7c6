#include "editor/rules/FieldDescription.h"

#include "engine/DBHeader.h"

#include <vector>

namespace tabulo {

namespace {

bool Has(const std::string& codes, char code) {
    return codes.find(code) != std::string::npos;
}

// "a", "a and b", "a, b and c".
std::string Listed(const std::vector<std::string>& items) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

// Fields whose characters come from the letter, digit and space codes and the two signs.
std::string CharacterClasses(const std::string& codes) {
    std::vector<std::string> classes;
    if (Has(codes, 'A')) classes.push_back("letters");
    if (Has(codes, 'N')) classes.push_back("digits");
    if (Has(codes, 'S')) classes.push_back("spaces");
    if (Has(codes, '.')) classes.push_back("\".\"");
    if (Has(codes, '-')) classes.push_back("\"-\"");
    return classes.empty() ? "nothing can be typed" : Listed(classes);
}

// The kind of value, tested in the order in which the key filter tests the codes.
std::string Kind(const std::string& codes, int dateOrder) {
    if (Has(codes, '#')) return "record number, given when the record is first saved";
    if (Has(codes, '=')) return "read-only";
    if (Has(codes, '*')) return "any text";
    if (Has(codes, 'E')) return "e-mail address";
    if (Has(codes, 'W')) return "web address";
    if (Has(codes, 'Y')) return "Y or N";
    if (Has(codes, 'D')) return dateOrder == 2 ? "date, MM/DD/YYYY" : "date, DD/MM/YYYY";
    if (Has(codes, 'T')) return "time, hh:mm:ss";
    return CharacterClasses(codes);
}

// The case conversions run U, then L, then F: the last one present decides.
const char* CaseRule(const std::string& codes) {
    if (Has(codes, 'F')) return "first letters in capitals";
    if (Has(codes, 'L')) return "kept in lower case";
    if (Has(codes, 'U')) return "kept in capitals";
    return nullptr;
}

} // namespace

std::string FieldDescription(const std::string& format, int length, int dateOrder) {
    const std::string codes = TrimSpaces(format);
    std::string text = Kind(codes, dateOrder);
    if (const char* rule = CaseRule(codes)) text += std::string("; ") + rule;
    if (Has(codes, 'M')) text += "; several lines";
    if (length > 0 && !Has(codes, '#') && !Has(codes, '='))
        text += "; up to " + std::to_string(length) + (length == 1 ? " character" : " characters");
    if (Has(codes, '!')) text += "; required";
    return text;
}

} // namespace tabulo
