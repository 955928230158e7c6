// Reads a date text in two steps: it splits the text into numbers, names and
// separators, then decides from their pattern which are the day, month, year and time.

#include "script/vbscript/runtime/DateParse.h"

#include "base/Calendar.h"
#include "script/vbscript/runtime/DateNames.h"
#include "script/vbscript/runtime/DateSerial.h"
#include "script/vbscript/runtime/NumberText.h"

#include <cctype>
#include <cstdint>
#include <vector>

namespace tabulo::vbs::rt {

namespace {

enum class Kind { Number, Word, Separator };

struct Token {
    Kind kind;
    std::string_view text;
    int value = 0; // numbers only
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// Splits into numbers, words and separator characters; commas and blanks only
// separate. Fails on any other character or on a number too long to be a date part.
std::optional<std::vector<Token>> tokenize(std::string_view text) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        std::size_t end = i + 1;
        if (c == ' ' || c == '\t' || c == ',') {
            ++i;
            continue;
        }
        if (isDigit(c)) {
            while (end < text.size() && isDigit(text[end]))
                ++end;
            if (end - i > 5) return std::nullopt;
            int value = 0;
            for (std::size_t k = i; k < end; ++k)
                value = value * 10 + (text[k] - '0');
            tokens.push_back({Kind::Number, text.substr(i, end - i), value});
        } else if (isLetter(c)) {
            while (end < text.size() && isLetter(text[end]))
                ++end;
            tokens.push_back({Kind::Word, text.substr(i, end - i)});
        } else if (c == '/' || c == '-' || c == '.' || c == ':') {
            tokens.push_back({Kind::Separator, text.substr(i, 1)});
        } else {
            return std::nullopt;
        }
        i = end;
    }
    return tokens;
}

bool isSeparator(const Token& t, char c) {
    return t.kind == Kind::Separator && t.text[0] == c;
}

// 0 for AM, 12 for PM, nullopt for any other word.
std::optional<int> meridiemOffset(const Token& t) {
    if (t.kind != Kind::Word || t.text.size() != 2) return std::nullopt;
    const char first = static_cast<char>(std::tolower(static_cast<unsigned char>(t.text[0])));
    const char second = static_cast<char>(std::tolower(static_cast<unsigned char>(t.text[1])));
    if (second != 'm' || (first != 'a' && first != 'p')) return std::nullopt;
    return first == 'a' ? 0 : 12;
}

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Applies AM/PM (12 AM is midnight) and checks the ranges.
std::optional<int> secondsOfDay(TimeOfDay t, std::optional<int> meridiem) {
    if (meridiem) {
        if (t.hour < 1 || t.hour > 12) return std::nullopt;
        t.hour = t.hour % 12 + *meridiem;
    }
    if (t.hour > 23 || t.minute > 59 || t.second > 59) return std::nullopt;
    return t.hour * 3600 + t.minute * 60 + t.second;
}

struct TimeMatch {
    std::size_t first = 0; // token range taken by the time
    std::size_t last = 0;
    int seconds = 0;
};

// A time starting at token i: "h:mm[:ss] [AM|PM]" or "h AM|PM".
std::optional<TimeMatch> timeAt(const std::vector<Token>& tokens, std::size_t i) {
    const auto numberAt = [&](std::size_t k) {
        return k < tokens.size() && tokens[k].kind == Kind::Number;
    };
    const auto colonAt = [&](std::size_t k) {
        return k < tokens.size() && isSeparator(tokens[k], ':');
    };
    if (!numberAt(i)) return std::nullopt;
    TimeOfDay t{tokens[i].value};
    std::size_t next = i + 1;
    if (colonAt(next) && numberAt(next + 1)) {
        t.minute = tokens[next + 1].value;
        next += 2;
        if (colonAt(next) && numberAt(next + 1)) {
            t.second = tokens[next + 1].value;
            next += 2;
        }
    }
    const auto meridiem = next < tokens.size() ? meridiemOffset(tokens[next]) : std::nullopt;
    if (next == i + 1 && !meridiem) return std::nullopt;
    const auto seconds = secondsOfDay(t, meridiem);
    if (!seconds) return std::nullopt;
    return TimeMatch{i, next + (meridiem ? 1 : 0), *seconds};
}

struct DateFields {
    std::vector<Token> numbers;
    std::optional<int> month; // from a month name
    bool dotted = false;      // "." between numbers
};

// Reads the tokens left once the time is taken out: numbers joined by single
// separators, at most one month name, weekday names ignored.
std::optional<DateFields> dateFields(const std::vector<Token>& tokens) {
    DateFields fields;
    bool separatorAllowed = false;
    for (const Token& t : tokens) {
        if (t.kind == Kind::Separator) {
            if (!separatorAllowed || t.text[0] == ':') return std::nullopt;
            fields.dotted = fields.dotted || t.text[0] == '.';
            separatorAllowed = false;
            continue;
        }
        separatorAllowed = true;
        if (t.kind == Kind::Number) {
            fields.numbers.push_back(t);
        } else if (const auto month = monthFromName(t.text); month && !fields.month) {
            fields.month = month;
        } else if (!weekdayFromName(t.text) || !fields.numbers.empty() || fields.month) {
            return std::nullopt;
        } else {
            separatorAllowed = false;
        }
    }
    if (!tokens.empty() && tokens.back().kind == Kind::Separator) return std::nullopt;
    return fields;
}

bool isYearLike(const Token& t) {
    return t.text.size() >= 3 || t.value > 31;
}

int yearOf(const Token& t) {
    return t.text.size() <= 2 ? expandTwoDigitYear(t.value) : t.value;
}

std::optional<std::int64_t> validDay(int year, int month, int day) {
    if (year < 100 || year > 9999 || day < 1 || day > calendar::DaysInMonth(month, year))
        return std::nullopt;
    return calendar::DayNumber(year, month, day);
}

// Day and month from two numbers in the given order, swapped when only that is valid.
std::optional<std::int64_t> dayMonthYear(int year, int first, int second, int order) {
    const bool monthFirst = order == kMonthFirst;
    if (auto day = validDay(year, monthFirst ? first : second, monthFirst ? second : first))
        return day;
    return validDay(year, monthFirst ? second : first, monthFirst ? first : second);
}

std::optional<std::int64_t> namedMonthDate(const DateFields& f, int currentYear) {
    const auto& n = f.numbers;
    if (n.size() == 1)
        return isYearLike(n[0]) ? validDay(yearOf(n[0]), *f.month, 1)
                                : validDay(currentYear, *f.month, n[0].value);
    if (n.size() == 2)
        return isYearLike(n[0]) ? validDay(yearOf(n[0]), *f.month, n[1].value)
                                : validDay(yearOf(n[1]), *f.month, n[0].value);
    return std::nullopt;
}

std::optional<std::int64_t> numericDate(const DateFields& f, int order, int currentYear) {
    const auto& n = f.numbers;
    if (n.size() == 3) {
        if (isYearLike(n[0]))
            return dayMonthYear(yearOf(n[0]), n[1].value, n[2].value, kMonthFirst);
        return dayMonthYear(yearOf(n[2]), n[0].value, n[1].value, order);
    }
    if (n.size() == 2 && !f.dotted) {
        if (isYearLike(n[1])) return validDay(yearOf(n[1]), n[0].value, 1);
        if (isYearLike(n[0])) return validDay(yearOf(n[0]), n[1].value, 1);
        return dayMonthYear(currentYear, n[0].value, n[1].value, order);
    }
    return std::nullopt;
}

// Takes the (single) time out of the tokens.
std::optional<TimeMatch> extractTime(std::vector<Token>& tokens) {
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (auto time = timeAt(tokens, i)) {
            tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(time->first),
                         tokens.begin() + static_cast<std::ptrdiff_t>(time->last));
            return time;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<double> parseDate(std::string_view text, int order, int currentYear) {
    auto tokens = tokenize(text);
    if (!tokens || tokens->empty()) return std::nullopt;
    const auto time = extractTime(*tokens);
    const auto fields = dateFields(*tokens);
    if (!fields) return std::nullopt;
    const int seconds = time ? time->seconds : 0;
    if (fields->numbers.empty() && !fields->month) {
        if (!time) return std::nullopt;
        return secondsToSerial(seconds);
    }
    const auto day = fields->month ? namedMonthDate(*fields, currentYear)
                                   : numericDate(*fields, order, currentYear);
    if (!day) return std::nullopt;
    return secondsToSerial(*day * kSecondsPerDay + seconds);
}

std::optional<double> textToDate(std::string_view text, int order, int currentYear) {
    if (const auto date = parseDate(text, order, currentYear)) return date;
    const auto number = parseNumber(text);
    if (!number || !isValidSerial(*number)) return std::nullopt;
    return number;
}

std::optional<double> parseDateLiteral(std::string_view text, int currentYear) {
    return parseDate(text, kMonthFirst, currentYear);
}

} // namespace tabulo::vbs::rt
