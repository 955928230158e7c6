#include "base/modLIB.h"

#include <algorithm>

namespace modLIB {

namespace {

constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kSpace = 32;

bool Has(std::string_view codes, char c) {
    return codes.find(c) != std::string_view::npos;
}

std::string NormalizedCodes(std::string_view codes) {
    size_t b = codes.find_first_not_of(' ');
    size_t e = codes.find_last_not_of(' ');
    std::string s = b == std::string_view::npos ? "" : std::string(codes.substr(b, e - b + 1));
    for (char& c : s)
        c = static_cast<char>(ToUpper(static_cast<unsigned char>(c)));
    return s;
}

int FilterLetter(int key, std::string_view codes) {
    int result = 0;
    if (Has(codes, 'U')) key = result = ToUpper(key);
    if (Has(codes, 'L')) key = result = ToLower(key);
    if (Has(codes, 'A')) result = key;
    if (Has(codes, 'X')) result = IsHexDigit(key) ? key : 0;
    return result;
}

// Parses n decimal digits at text[pos]; -1 when any of them is not a digit.
int Digits(std::string_view text, size_t pos, size_t n) {
    int value = 0;
    for (size_t i = pos; i < pos + n; ++i) {
        if (!IsDigit(static_cast<unsigned char>(text[i]))) return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

bool IsUpper(int c) {
    return c >= 'A' && c <= 'Z';
}
bool IsLower(int c) {
    return c >= 'a' && c <= 'z';
}
bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(int c) {
    return IsUpper(c) || IsLower(c);
}
bool IsAlnum(int c) {
    return IsLetter(c) || IsDigit(c);
}
bool IsHexDigit(int c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
int ToUpper(int c) {
    return IsLower(c) ? c - 32 : c;
}
int ToLower(int c) {
    return IsUpper(c) ? c + 32 : c;
}

int FilterKey(int key, std::string_view rawCodes) {
    const std::string codes = NormalizedCodes(rawCodes);
    if (key == kBackspace || key == kEnter) return key;
    if (key == kSpace) return Has(codes, 'S') ? key : 0;
    if (IsDigit(key)) return Has(codes, 'N') || Has(codes, 'X') ? key : 0;
    if (IsLetter(key)) return FilterLetter(key, codes);
    return key > 0 && key < 256 && Has(codes, static_cast<char>(key)) ? key : 0;
}

bool IsValidName(std::string_view text) {
    if (text.empty() || !IsLetter(static_cast<unsigned char>(text.front()))) return false;
    if (text.back() == '_') return false;
    return std::all_of(text.begin() + 1, text.end(), [](char ch) {
        return IsAlnum(static_cast<unsigned char>(ch)) || ch == '_';
    });
}

bool IsValidDate(std::string_view text, int order) {
    if (text.size() != 10 || text[2] != '/' || text[5] != '/') return false;
    int first = Digits(text, 0, 2);
    int second = Digits(text, 3, 2);
    int year = Digits(text, 6, 4);
    if (first < 0 || second < 0 || year < 0) return false;
    int day = order == 2 ? second : first;
    int month = order == 2 ? first : second;
    if (month < 1 || month > 12 || year < 1 || year > 9999) return false;
    return day >= 1 && day <= DaysInMonth(month, year);
}

bool IsValidTime(std::string_view text) {
    if (text.size() != 8 || text[2] != ':' || text[5] != ':') return false;
    int h = Digits(text, 0, 2);
    int m = Digits(text, 3, 2);
    int s = Digits(text, 6, 2);
    return h >= 0 && m >= 0 && s >= 0 && h < 24 && m < 60 && s < 60;
}

std::string MonthName(int month) {
    static constexpr const char* kNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return month >= 1 && month <= 12 ? kNames[month - 1] : "";
}

} // namespace modLIB
