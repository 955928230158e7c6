#include "browse/BrowseSort.h"

#include "base/Calendar.h"
#include "base/modLIB.h"

#include <charconv>
#include <string>
#include <utility>

namespace tabulo {

namespace {

bool Has(std::string_view format, char code) {
    return format.find(code) != std::string_view::npos;
}

std::string_view TrimmedSpaces(std::string_view text) {
    size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    return text.substr(b, text.find_last_not_of(' ') - b + 1);
}

bool IsDigitAt(std::string_view s, size_t i) {
    return i < s.size() && s[i] >= '0' && s[i] <= '9';
}

// Copies a run of digits (with thousands commas between digits) to out; returns the count.
size_t TakeDigits(std::string_view s, size_t& i, std::string& out, bool allowGrouping) {
    size_t count = 0;
    while (i < s.size()) {
        if (IsDigitAt(s, i)) {
            out += s[i++];
            ++count;
        } else if (allowGrouping && s[i] == ',' && count > 0 && IsDigitAt(s, i + 1)) {
            ++i;
        } else {
            break;
        }
    }
    return count;
}

int TwoDigits(std::string_view s, size_t pos) {
    return (s[pos] - '0') * 10 + (s[pos + 1] - '0');
}

template <typename Key>
void SortRows(std::vector<int32_t>& rowRec, long first, long last, const std::vector<Key>& keys) {
    auto key = [&](long row) -> const Key& { return keys[rowRec[row - 1] - 1]; };
    // Recursing into the smaller part and looping on the larger bounds the depth; the
    // two parts are sorted independently, so the order is the same either way.
    while (first < last) {
        const Key pivot = key(MiddleRow(first, last));
        long i = first;
        long j = last;
        while (i <= j) {
            while (key(i) < pivot && i < last)
                ++i;
            while (pivot < key(j) && j > first)
                --j;
            if (i <= j) {
                std::swap(rowRec[i - 1], rowRec[j - 1]);
                ++i;
                --j;
            }
        }
        if (j - first < last - i) {
            if (first < j) SortRows(rowRec, first, j, keys);
            first = i;
        } else {
            if (i < last) SortRows(rowRec, i, last, keys);
            last = j;
        }
    }
}

} // namespace

SortType SetSortType(std::string_view format) {
    if (Has(format, '*')) return SortType::Text;
    if (Has(format, '=')) {
        if (Has(format, 'N')) return SortType::Number;
        return Has(format, 'D') ? SortType::Date : SortType::Text;
    }
    if (Has(format, '#')) return SortType::Number;
    for (char code : std::string_view("ASULFEWT"))
        if (Has(format, code)) return SortType::Text;
    return Has(format, 'D') ? SortType::Date : SortType::Number;
}

double NumValue(std::string_view text) {
    std::string_view s = TrimmedSpaces(text);
    std::string plain;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') plain += '-';
        ++i;
    }
    size_t digits = TakeDigits(s, i, plain, true);
    if (i < s.size() && s[i] == '.') {
        plain += s[i++];
        digits += TakeDigits(s, i, plain, false);
    }
    if (digits == 0) return kNoNumber;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        plain += s[i++];
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) plain += s[i++];
        if (TakeDigits(s, i, plain, false) == 0) return kNoNumber;
    }
    if (i != s.size()) return kNoNumber;
    double value = 0;
    auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size()) return kNoNumber;
    return value;
}

double DateValue(std::string_view text, int dateOrder) {
    std::string_view s = TrimmedSpaces(text);
    if (!modLIB::IsValidDate(s, dateOrder)) return kNoDate;
    const int first = TwoDigits(s, 0);
    const int second = TwoDigits(s, 3);
    const int year = TwoDigits(s, 6) * 100 + TwoDigits(s, 8);
    const int day = dateOrder == 2 ? second : first;
    const int month = dateOrder == 2 ? first : second;
    return static_cast<double>(calendar::DayNumber(year, month, day));
}

long MiddleRow(long first, long last) {
    const long sum = first + last;
    long middle = sum / 2;
    if (sum % 2 != 0 && middle % 2 != 0) ++middle;
    return middle;
}

void QuickSort(std::vector<int32_t>& rowRec, long low, long high, const std::vector<double>& keys) {
    SortRows(rowRec, low, high, keys);
}

void QuickSort(std::vector<int32_t>& rowRec, long low, long high,
               const std::vector<std::string_view>& keys) {
    SortRows(rowRec, low, high, keys);
}

} // namespace tabulo
