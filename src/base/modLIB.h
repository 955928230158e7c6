#pragma once
// modLIB: character tests, the key filter of the dialogs' small text boxes, the
// field-name rule and the date and time checks. Plain functions, standard C++ only.
// Character arguments are codes; tests return true/false (the GUI maps them to -1/0).

#include "base/Calendar.h"

#include <string>
#include <string_view>

namespace modLIB {

bool IsUpper(int c);
bool IsLower(int c);
bool IsDigit(int c);
bool IsLetter(int c);
bool IsAlnum(int c);
bool IsHexDigit(int c);
int ToUpper(int c);
int ToLower(int c);

// Decides whether a typed key is accepted under a code string; the result replaces
// the key, 0 drops it. Backspace (8) and Enter (13) always pass.
int FilterKey(int key, std::string_view codes);

// A letter first, then letters, digits and "_", not ending in "_".
bool IsValidName(std::string_view text);

// The calendar's own: DaysInMonth(month, year) is 0 for a month or year out of range.
using tabulo::calendar::DaysInMonth;
using tabulo::calendar::IsLeapYear;
// order 2: "MM/DD/YYYY"; any other value: "DD/MM/YYYY".
bool IsValidDate(std::string_view text, int order);
bool IsValidTime(std::string_view text); // "hh:mm:ss"
std::string MonthName(int month);        // "Jan".."Dec", empty out of range

} // namespace modLIB
