#pragma once
// Date serial -> text, as CStr and FormatDateTime write it, in the host's date order
// (1: day first, 2: month first; any other value day first) with English names:
// - vbGeneralDate (0, also CStr): the short date, the long time, or both separated by a
//   blank: the date alone when the time is midnight, the time alone on 30/12/1899.
// - vbLongDate (1): "Friday, 5 January 2024" (day first) or "Friday, January 5, 2024".
// - vbShortDate (2): "05/01/2024" or "01/05/2024".
// - vbLongTime (3): "13:45:00", 24-hour, as the database writes times.
// - vbShortTime (4): "13:45".

#include <optional>
#include <string>

namespace tabulo::vbs::rt {

enum class NamedFormat {
    GeneralDate = 0,
    LongDate = 1,
    ShortDate = 2,
    LongTime = 3,
    ShortTime = 4
};

// nullopt for a serial outside the valid date range.
std::optional<std::string> formatDateTime(double serial, NamedFormat format, int order);

// CStr of a Date: the general form.
std::optional<std::string> dateToString(double serial, int order);

} // namespace tabulo::vbs::rt
