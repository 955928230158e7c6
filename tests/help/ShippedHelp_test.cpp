// The help file that ships with the program: CR LF text, copied beside the program in the
// build tree, and a topic with text for every part of the program that a user meets.

#include "TestDb.h"
#include "help/HelpText.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace tabulo::test {
namespace {

TEST(ShippedHelpTest, EveryTopicHasText) {
    const std::string bytes = ReadFileBytes(TABULO_HELP_SOURCE);
    ASSERT_FALSE(bytes.empty());
    size_t crLf = 0;
    for (size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos; at += 2)
        ++crLf;
    EXPECT_EQ(crLf, static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')));
    EXPECT_EQ(ReadFileBytes(TABULO_HELP_BESIDE_PROGRAM), bytes);

    const auto entries = ReadHelpEntries(FilePath(TABULO_HELP_SOURCE));
    ASSERT_TRUE(entries.has_value());
    std::set<std::string> titles;
    for (const std::string& entry : *entries) {
        EXPECT_TRUE(titles.insert(TrimSpaces(entry)).second) << "title used twice: " << entry;
        const auto text = ReadHelpTopic(FilePath(TABULO_HELP_SOURCE), HeadingLineOf(entry));
        EXPECT_NE(text.value_or("").find_first_not_of(" \r\n"), std::string::npos) << entry;
    }
    for (const char* needed :
         {"Opening and closing", "Moving through records", "Editing records", "Typing into fields",
          "Dates and times", "Find", "Select grid and sorting", "Export", "Print",
          "Deleting and Pack", "Scripts and the Actions menu", "Several users",
          "Keyboard shortcuts", "Command line", "Making your own database"})
        EXPECT_EQ(titles.count(needed), 1u) << needed;
}

} // namespace
} // namespace tabulo::test
