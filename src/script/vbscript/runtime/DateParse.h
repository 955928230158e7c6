#pragma once
// Text to date serial, as CDate, IsDate, DateValue, TimeValue and #date# literals read it.
//
// A text holds a date, a time, or both (in either order), separated by blanks:
// - numeric dates with "/", "-" or "." between the numbers: three numbers are day,
//   month, year in the host's date order (1: DD/MM/YYYY, 2: MM/DD/YYYY) or year, month,
//   day when the first is a year (ISO "2024-01-05"); when the date order gives no real
//   date but swapping day and month does, the swapped date is taken. Two numbers are
//   day and month of the current year (or month and year when one of them is a year:
//   "5/2024"); two numbers separated by "." are not a date.
// - dates with an English month name, full or three letters: "5 Jan 2024",
//   "January 5, 2024", "5-Jan-24", "Jan 2024" (the 1st); a leading weekday name and
//   commas are ignored.
// - years of one or two digits are 2000..2029 for 0..29 and 1930..1999 for 30..99;
//   a number counts as a year when it has three or more digits or exceeds 31.
// - times "h:mm", "h:mm:ss", optionally followed by AM/PM, or "h AM"/"h PM".
// A time alone gives a serial on 30/12/1899 (below 1); a date alone a whole number.

#include <optional>
#include <string_view>

namespace tabulo::vbs::rt {

inline constexpr int kDayFirst = 1;   // DD/MM/YYYY
inline constexpr int kMonthFirst = 2; // MM/DD/YYYY; any other order value is day first

// nullopt when the text is not a date or time, or the date is outside 100..9999.
std::optional<double> parseDate(std::string_view text, int order, int currentYear);

// CDate of a text: a date or time as above, otherwise a number read as a serial
// ("1" is 31/12/1899), within the valid date range. IsDate accepts only the former.
std::optional<double> textToDate(std::string_view text, int order, int currentYear);

// A #...# literal's text (without the #s): always month first, as the language reads it.
std::optional<double> parseDateLiteral(std::string_view text, int currentYear);

} // namespace tabulo::vbs::rt
