#pragma once
// English month and weekday names: MonthName and WeekdayName, and the look-ups the date
// parser uses to read them back (full names or three-letter abbreviations, any case).

#include <optional>
#include <string>
#include <string_view>

namespace tabulo::vbs::rt {

// "January" / "Jan"; empty for a month outside 1..12.
std::string monthName(int month, bool abbreviate);

// Day `weekday` (1..7) counted from `firstDayOfWeek` (1 = Sunday .. 7 = Saturday, 0 the
// system's first day, Sunday): WeekdayName(1, False, vbMonday) is "Monday".
// Empty for arguments out of range.
std::string weekdayName(int weekday, bool abbreviate, int firstDayOfWeek = 1);

// 1..12 for "jan", "January", "SEPT"...; nullopt otherwise.
std::optional<int> monthFromName(std::string_view word);
// 1 (Sunday) .. 7 for "sun", "Sunday", "TUES"...; nullopt otherwise.
std::optional<int> weekdayFromName(std::string_view word);

} // namespace tabulo::vbs::rt
