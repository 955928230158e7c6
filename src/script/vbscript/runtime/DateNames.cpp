// The English names in one place, written in full or abbreviated to three letters,
// and matched back without regard to case.

#include "script/vbscript/runtime/DateNames.h"

#include <array>
#include <cctype>

namespace tabulo::vbs::rt {

namespace {

constexpr std::array<std::string_view, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<std::string_view, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};

std::string nameOf(std::string_view full, bool abbreviate) {
    return std::string(abbreviate ? full.substr(0, 3) : full);
}

// A word names `full` when it is at least its first three letters, any case.
bool namesWord(std::string_view word, std::string_view full) {
    if (word.size() < 3 || word.size() > full.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(word[i])) !=
            std::tolower(static_cast<unsigned char>(full[i])))
            return false;
    return true;
}

template <std::size_t N>
std::optional<int> indexOfName(std::string_view word,
                               const std::array<std::string_view, N>& names) {
    for (std::size_t i = 0; i < N; ++i)
        if (namesWord(word, names[i])) return static_cast<int>(i) + 1;
    return std::nullopt;
}

} // namespace

std::string monthName(int month, bool abbreviate) {
    if (month < 1 || month > 12) return {};
    return nameOf(kMonths[month - 1], abbreviate);
}

std::string weekdayName(int weekday, bool abbreviate, int firstDayOfWeek) {
    if (weekday < 1 || weekday > 7 || firstDayOfWeek < 0 || firstDayOfWeek > 7) return {};
    const int first = firstDayOfWeek == 0 ? 1 : firstDayOfWeek;
    return nameOf(kWeekdays[(weekday - 1 + first - 1) % 7], abbreviate);
}

std::optional<int> monthFromName(std::string_view word) {
    return indexOfName(word, kMonths);
}

std::optional<int> weekdayFromName(std::string_view word) {
    return indexOfName(word, kWeekdays);
}

} // namespace tabulo::vbs::rt
