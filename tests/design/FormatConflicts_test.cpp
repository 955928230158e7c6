// Input codes that work against each other: each format gives exactly the conflicts listed,
// as "codes: reason" in order.

#include "NamedCase.h"
#include "design/FormatConflicts.h"

#include <gtest/gtest.h>

namespace tabulo::design {
namespace {

struct ConflictCase {
    const char* what;
    const char* format;
    std::vector<std::string> expected; // the codes of each conflict
};

class FormatConflictTest : public testing::TestWithParam<ConflictCase> {};

TEST_P(FormatConflictTest, FindsTheCodesThatWorkAgainstEachOther) {
    const ConflictCase& c = GetParam();
    std::vector<std::string> found;
    for (const FormatConflict& conflict : FormatConflicts(c.format)) {
        EXPECT_FALSE(conflict.reason.empty());
        found.push_back(conflict.codes);
    }
    EXPECT_EQ(found, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Design, FormatConflictTest,
                         testing::Values(ConflictCase{"no codes", "", {}},
                                         ConflictCase{"letters in upper case", "ASU", {}},
                                         ConflictCase{"a signed number", "N.-!>", {}},
                                         ConflictCase{"read-only label", "=H^", {}},
                                         ConflictCase{"upper and lower case", "AUL", {"UL"}},
                                         ConflictCase{
                                             "first capitals over both", "AULF", {"ULF", "UL"}},
                                         ConflictCase{"any character with letters", "*A", {"*A"}},
                                         ConflictCase{"date and time", "DT", {"DT", "DT"}},
                                         ConflictCase{"e-mail with digits", "EN", {"NE"}},
                                         ConflictCase{"read-only with typing", "=AU", {"AU="}},
                                         ConflictCase{"record number required", "#!", {"!#"}},
                                         ConflictCase{"yes/no in lower case", "YL", {"LY"}},
                                         ConflictCase{"two alignments", "A<^", {"<^"}},
                                         ConflictCase{"nothing to type", "U!", {"U!"}},
                                         ConflictCase{"codes in any order", "LU A", {"UL"}}),
                         test::CaseName<ConflictCase>);

} // namespace
} // namespace tabulo::design
