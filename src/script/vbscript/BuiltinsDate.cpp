// Date and time functions.

#include "Builtins.h"

namespace tabulo::vbs {

void addDateBuiltins(std::vector<Builtin>&) {}

} // namespace tabulo::vbs
