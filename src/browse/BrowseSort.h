#pragma once
// Ordering of the browse grid's rows by one column. Standard C++ only.
//
// The grid keeps a map from row position to record number (RowRec). Sorting reads
// every record's key once, then runs the middle-pivot partition exchange over the
// keys. The partitioning is not stable: rows with equal keys end up in the order this
// very partitioning leaves, the same order the grid has always shown for them.

#include <cstdint>
#include <string_view>
#include <vector>

namespace tabulo {

enum class SortType : uint8_t { Text = 1, Number = 2, Date = 3 };

// How a column compares, decided by its field's code characters.
SortType SetSortType(std::string_view format);

// Key of a cell that is not a number: below every number.
inline constexpr double kNoNumber = -1E+40;
// Key of a cell that is not a date: the zero date, 30/12/1899.
inline constexpr double kNoDate = 0.0;

// The numeric key of a cell text. A valid number is, after removing spaces at both
// ends: an optional "+" or "-"; decimal digits, in which a "," between two digits
// groups thousands and is ignored; an optional "." followed by digits (either side of
// the point may be empty, not both); an optional exponent "E" or "e" with an optional
// sign and at least one digit. Anything else, the empty text included, and any value
// beyond the range of a double give kNoNumber.
double NumValue(std::string_view text);

// The date key of a cell text: days since 30/12/1899 (earlier dates are negative).
// A valid date is, after removing spaces at both ends, exactly the form a date field
// accepts in the file's date order: "DD/MM/YYYY", or "MM/DD/YYYY" for date order 2,
// with a real day of that month and a year from 1 to 9999. Anything else gives kNoDate.
double DateValue(std::string_view text, int dateOrder);

// Sorts row positions low..high (1-based, as the grid counts rows) of rowRec by the
// keys of their records; keys[r - 1] is the key of record r.
void QuickSort(std::vector<int32_t>& rowRec, long low, long high, const std::vector<double>& keys);
void QuickSort(std::vector<int32_t>& rowRec, long low, long high,
               const std::vector<std::string_view>& keys);

// The middle position of first..last: their mean rounded to the nearest whole number,
// a half going to the even neighbour, as the grid's partitioning has always chosen it.
long MiddleRow(long first, long last);

} // namespace tabulo
