// The help viewer on real widgets over help files written by the tests.

#include "../dialogs/ListClicks.h"
#include "ModalDriver.h"
#include "RecordingReporter.h"
#include "TempDir.h"
#include "TestDb.h"
#include "help/HelpText.h"
#include "help/frmHelp.h"
#include "help/modHelp.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace tabulo::test {
namespace {

const RecordedMessage kLoadError{"Help", "Help file load error", MsgIcon::Critical};

class HelpTest : public ::testing::Test {
protected:
    void OpenOn(const std::string& content, const std::string& topic = "") {
        WriteFileBytes(path, content);
        window.emplace(path, topic, reporter);
        window->show();
    }
    void Click(int row) { ClickEntry(window->TOC(), row); }
    QStringList Entries() const {
        QStringList entries;
        for (int row = 0; row < window->TOC()->count(); ++row)
            entries << window->TOC()->item(row)->text();
        return entries;
    }

    TempDir dir;
    std::string path = dir.File("Tabulo.Txt");
    RecordingReporter reporter;
    std::optional<frmHelp> window;
};

TEST_F(HelpTest, OpensOnTheFirstTopic) {
    OpenOn("Not shown\r\n#Index\r\nFirst line\r\n\r\nLast line\r\n#Getting#Started\r\nGo\r\n");
    EXPECT_EQ(window->windowTitle(), "Help");
    EXPECT_EQ(Entries(), (QStringList{" Index", " Getting Started"}));
    EXPECT_EQ(window->TOC()->currentRow(), 0);
    EXPECT_EQ(window->Heading()->text(), "Index");
    EXPECT_EQ(window->Help()->toPlainText(), "First line\n\nLast line\n");
    EXPECT_EQ(window->Help()->font().family(), "Lucida Console");
    EXPECT_TRUE(window->Heading()->font().bold());
    EXPECT_TRUE(reporter.messages.empty());
}

struct TopicCase {
    const char* name;
    const char* file;
    int row;             // the entry clicked
    const char* heading; // shown above the text
    const char* text;    // the topic's text, every line followed by CR LF
};

class HelpTopicTest : public HelpTest, public ::testing::WithParamInterface<TopicCase> {};

TEST_P(HelpTopicTest, ShowsTheTopicOfTheClickedEntry) {
    const TopicCase& c = GetParam();
    OpenOn(c.file);
    Click(c.row);
    EXPECT_EQ(window->Heading()->text(), c.heading);
    EXPECT_EQ(window->Help()->toPlainText(), QString(c.text).replace("\r\n", "\n"));
    const std::string entry = window->TOC()->item(c.row)->text().toStdString();
    EXPECT_EQ(ReadHelpTopic(path, HeadingLineOf(entry)), c.text);
    EXPECT_TRUE(reporter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Values, HelpTopicTest,
    ::testing::Values(TopicCase{"BlanksWrittenAsHash", "#A\r\na\r\n#Getting#Started\r\nGo on\r\n",
                                1, "Getting Started", "Go on\r\n"},
                      TopicCase{"RealBlankInHeadingShowsNoText",
                                "#A\r\na\r\n#Getting Started\r\nlost\r\n", 1, "Getting Started",
                                ""},
                      TopicCase{"DuplicateTitleShowsTheFirst",
                                "#Dup\r\nfirst\r\n#B\r\nb\r\n#Dup\r\nsecond\r\n", 2, "Dup",
                                "first\r\n"},
                      TopicCase{"LastTopicRunsToTheEnd", "#A\r\na\r\n#Last\r\none\r\n\r\ntwo", 1,
                                "Last", "one\r\n\r\ntwo\r\n"},
                      TopicCase{"BareLineFeeds", "#A\na\n#B\nb1\nb2\n", 1, "B", "b1\r\nb2\r\n"},
                      TopicCase{"EmptyTopic", "#A\r\n#B\r\nb\r\n", 0, "A", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct MatchCase {
    const char* name;
    const char* topic;
    int row;
};

class HelpMatchTest : public HelpTest, public ::testing::WithParamInterface<MatchCase> {};

TEST_P(HelpMatchTest, OpensOnTheRequestedTopic) {
    OpenOn("#Index\r\ni\r\n#Getting#Started\r\ng\r\n#Export\r\ne\r\n", GetParam().topic);
    EXPECT_EQ(window->TOC()->currentRow(), GetParam().row);
    EXPECT_EQ(window->Heading()->text(), window->TOC()->currentItem()->text().trimmed());
}

INSTANTIATE_TEST_SUITE_P(
    Values, HelpMatchTest,
    ::testing::Values(MatchCase{"Exact", "Export", 2},
                      MatchCase{"CaseAndBlanksIgnored", "  getting STARTED ", 1},
                      MatchCase{"Unknown", "Printing", 0}, MatchCase{"Empty", "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HelpTest, ReadsTheFileAgainOnEveryTopicChange) {
    OpenOn("#A\r\nold a\r\n#B\r\nold b\r\n");
    WriteFileBytes(path, "#A\r\nnew a\r\n#B\r\nnew b\r\n");
    Click(1);
    EXPECT_EQ(window->Help()->toPlainText(), "new b\n");
    std::filesystem::remove(path);
    Click(0);
    EXPECT_EQ(reporter.messages, std::vector<RecordedMessage>{kLoadError});
    EXPECT_EQ(window->Heading()->text(), "A");
    EXPECT_EQ(window->Help()->toPlainText(), "");
}

TEST_F(HelpTest, UnusableFileGivesTheLoadError) {
    const std::optional<std::string> files[] = {std::nullopt, "no heading\r\nat all\r\n", ""};
    for (const std::optional<std::string>& content : files) {
        reporter.Clear();
        std::filesystem::remove(path);
        if (content) WriteFileBytes(path, *content);
        frmHelp viewer(path, "", reporter);
        EXPECT_EQ(reporter.messages, std::vector<RecordedMessage>{kLoadError});
        EXPECT_EQ(viewer.TOC()->count(), 0);
        EXPECT_EQ(viewer.Heading()->text(), "");
        EXPECT_EQ(viewer.Help()->toPlainText(), "");
    }
}

TEST(HelpFilePathTest, BesideTheProgramThenTheSharedFolder) {
    TempDir dir;
    const std::filesystem::path bin = dir.Path() / "bin";
    const std::filesystem::path share = dir.Path() / "share" / "tabulo";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(share);
    EXPECT_EQ(modHelp::HelpFilePath(bin.string()), (bin / "Tabulo.Txt").string()) << "neither";
    WriteFileBytes((share / "Tabulo.Txt").string(), "#A\r\n");
    EXPECT_EQ(modHelp::HelpFilePath(bin.string()), (share / "Tabulo.Txt").string());
    WriteFileBytes((bin / "Tabulo.Txt").string(), "#A\r\n");
    EXPECT_EQ(modHelp::HelpFilePath(bin.string()), (bin / "Tabulo.Txt").string());
}

// No help file lies beside the test program: the viewer opens modally all the same, empty,
// after the load error.
TEST(ShowHelpTest, MissingFileStillOpensTheViewer) {
    RecordingReporter reporter;
    QString title;
    int entries = -1;
    WhenModalOpens([&](QWidget* modal) {
        title = modal->windowTitle();
        entries = static_cast<frmHelp*>(modal)->TOC()->count();
        modal->close();
    });
    modHelp::ShowHelp("", reporter);
    EXPECT_EQ(title, "Help");
    EXPECT_EQ(entries, 0);
    EXPECT_EQ(reporter.messages, std::vector<RecordedMessage>{kLoadError});
}

} // namespace
} // namespace tabulo::test
