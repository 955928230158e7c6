#pragma once
// Limits that keep a script from exhausting the program's memory or stack.

#include <cstddef>

namespace tabulo::vbs {

inline constexpr size_t kMaxStringLength = size_t(1) << 27;
inline constexpr size_t kMaxArrayElements = size_t(1) << 22;
inline constexpr size_t kMaxStackBytes = size_t(1) << 21; // used by calls and nesting
inline constexpr int kMaxCallDepth = 4000;
inline constexpr int kMaxNesting = 400; // brackets and blocks inside one another

// Raises "Out of memory" when a string would grow past the limit.
void checkStringLength(size_t length);

} // namespace tabulo::vbs
