#pragma once
// FormatNumber, FormatCurrency and FormatPercent with English (United States) settings:
// "," groups thousands, "." is the decimal point, two decimals by default, a leading
// zero before the point, a "-" sign for negatives, currency written "$1,234.50" and
// negative currency "-$1,234.50". The value is first written with 15 significant digits
// (as CStr does) and then rounded half away from zero to the requested decimals, so
// FormatNumber(2.5, 0) is "3" and FormatNumber(1.005) is "1.01". A result that rounds to
// zero loses its sign.
//
// Tristate arguments take the script's values: -1 true, 0 false, -2 (or any other
// value) the default; a decimals argument of -1 means the default of 2.

#include <string>

namespace tabulo::vbs::rt {

inline constexpr int kTristateTrue = -1;
inline constexpr int kTristateFalse = 0;
inline constexpr int kTristateDefault = -2;

struct NumberFormatOptions {
    int decimals = -1;                        // NumDigitsAfterDecimal
    int leadingDigit = kTristateDefault;      // IncludeLeadingDigit (default yes)
    int parensForNegative = kTristateDefault; // UseParensForNegativeNumbers (default no)
    int groupDigits = kTristateDefault;       // GroupDigits (default yes)
};

// The caller rejects decimals below -1 (Invalid procedure call) before calling.
std::string formatNumber(double value, const NumberFormatOptions& options = {});
std::string formatCurrency(double value, const NumberFormatOptions& options = {});
std::string formatPercent(double value, const NumberFormatOptions& options = {});

} // namespace tabulo::vbs::rt
