#pragma once
// Valid designs made up from a seed: every member of the form varied across its range
// (slots with gaps, offsets out of order, captions with any Windows-1252 character, flag
// bytes other than 0 and 1, colours out of RGB range), for round-trip tests.

#include "design/Design.h"

namespace tabulo::test {

design::Design RandomDesign(unsigned seed);

} // namespace tabulo::test
