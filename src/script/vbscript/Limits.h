#pragma once
// Limits that keep a script from exhausting the program's memory or stack. A script that
// reaches one gets the language's own error ("Out of memory", "Out of stack space"),
// which On Error can catch, instead of the program failing with it.

#include <cstddef>

namespace tabulo::vbs {

// 128 MiB: far beyond any field or file text a script handles, yet a doubling loop
// (`s = s & s`) stops long before it takes the machine's memory.
inline constexpr size_t kMaxStringLength = size_t(1) << 27;
// About four million elements (some 100 MiB): a ReDim or Split with a mistaken bound
// fails at once instead of allocating gigabytes.
inline constexpr size_t kMaxArrayElements = size_t(1) << 22;
// 2 MiB of the native stack for script calls and nesting: well inside the 8 MiB main
// thread stack of Linux, with room for the window and the host calls below the script.
inline constexpr size_t kMaxStackBytes = size_t(1) << 21;
// Recursion deeper than this is a runaway in practice; the byte limit above still
// catches calls with many variables before this count does.
inline constexpr int kMaxCallDepth = 4000;
// Brackets and blocks inside one another: the parser and the evaluator recurse once per
// level, so this bounds their stack; operator chains may be four times as deep.
inline constexpr int kMaxNesting = 400;

// Raises "Out of memory" when a string would grow past the limit.
void checkStringLength(size_t length);

} // namespace tabulo::vbs
