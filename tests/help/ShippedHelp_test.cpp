// The help file that ships with the program: its format, and a topic with text for every
// part of the program that a user meets.

#include "TestDb.h"
#include "help/HelpText.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace tabulo::test {
namespace {

std::string Trimmed(const std::string& entry) {
    return TrimSpaces(entry);
}

TEST(ShippedHelpTest, EveryTopicHasText) {
    const auto entries = ReadHelpEntries(TABULO_HELP_SOURCE);
    ASSERT_TRUE(entries.has_value());
    ASSERT_FALSE(entries->empty());
    std::set<std::string> titles;
    for (const std::string& entry : *entries) {
        EXPECT_TRUE(titles.insert(Trimmed(entry)).second) << "title used twice: " << entry;
        const auto text = ReadHelpTopic(TABULO_HELP_SOURCE, HeadingLineOf(entry));
        ASSERT_TRUE(text.has_value());
        EXPECT_NE(text->find_first_not_of(" \r\n"), std::string::npos) << "no text: " << entry;
    }
    for (const char* needed :
         {"Opening and closing", "Moving through records", "Editing records", "Typing into fields",
          "Dates and times", "Find", "Select grid and sorting", "Export", "Print",
          "Deleting and Pack", "Scripts and the Actions menu", "Several users",
          "Keyboard shortcuts", "Command line"})
        EXPECT_EQ(titles.count(needed), 1u) << needed;
}

// Windows-1252 text with CR LF line ends, one copy beside the program in the build tree.
TEST(ShippedHelpTest, PlainTextWithCrLfLineEnds) {
    const std::string bytes = ReadFileBytes(TABULO_HELP_SOURCE);
    ASSERT_FALSE(bytes.empty());
    size_t bareLineFeeds = 0;
    for (size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) ++bareLineFeeds;
    EXPECT_EQ(bareLineFeeds, 0u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\t'), 0);
    EXPECT_EQ(ReadFileBytes(TABULO_HELP_BESIDE_PROGRAM), bytes);
}

} // namespace
} // namespace tabulo::test
