// Input codes that work against each other: each format gives exactly the conflicts listed,
// as "codes: reason" in order.

#include "design/FormatConflicts.h"

#include <gtest/gtest.h>

namespace tabulo::design {
namespace {

TEST(FormatConflicts, FindsTheCodesThatWorkAgainstEachOther) {
    const struct {
        const char* format;
        std::vector<std::string> codes; // of each conflict
    } cases[] = {
        {"", {}},                // no codes
        {"ASU", {}},             // letters in upper case
        {"N.-!>", {}},           // a signed number
        {"=H^", {}},             // a read-only label
        {"AUL", {"UL"}},         // upper and lower case
        {"AULF", {"ULF", "UL"}}, // first capitals over both
        {"*A", {"*A"}},          // any character with letters
        {"DT", {"DT", "DT"}},    // date and time
        {"EN", {"NE"}},          // e-mail with digits
        {"=AU", {"AU="}},        // read-only with typing
        {"#!", {"!#"}},          // record number required
        {"YL", {"LY"}},          // yes/no in lower case
        {"A<^", {"<^"}},         // two alignments
        {"U!", {"U!"}},          // nothing to type
        {"LU A", {"UL"}},        // codes in any order
    };
    for (const auto& c : cases) {
        std::vector<std::string> found;
        for (const FormatConflict& conflict : FormatConflicts(c.format)) {
            EXPECT_FALSE(conflict.reason.empty()) << c.format;
            found.push_back(conflict.codes);
        }
        EXPECT_EQ(found, c.codes) << c.format;
    }
}

} // namespace
} // namespace tabulo::design
