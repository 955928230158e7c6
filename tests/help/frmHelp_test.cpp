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
#include <tuple>

namespace tabulo::test {
namespace {

const RecordedMessage kLoadError{"Help", "Help file load error", MsgIcon::Critical};

class HelpTest : public ::testing::Test {
protected:
    void OpenOn(const std::string& content, const std::string& topic = "") {
        WriteFileBytes(path, content);
        window.emplace(FilePath(path), topic, reporter);
        window->show();
    }
    void Click(int row) { ClickEntry(window->TOC(), row); }

    TempDir dir;
    std::string path = dir.File("Tabulo.Txt");
    RecordingReporter reporter;
    std::optional<frmHelp> window;
};

// Each row clicks one entry of its file; the text is checked as shown and as read, where
// every line, the last one included, ends in CR LF.
TEST_F(HelpTest, ShowsTheTopicOfTheClickedEntry) {
    const struct {
        const char* file;
        int row;
        const char* heading;
        const char* text;
    } rows[] = {
        {"#A\r\na\r\n#Getting#Started\r\nGo on\r\n", 1, "Getting Started", "Go on\r\n"},
        // A real blank in a heading: the rebuilt line #Getting#Started is not in the file.
        {"#A\r\na\r\n#Getting Started\r\nlost\r\n", 1, "Getting Started", ""},
        {"#Dup\r\nfirst\r\n#B\r\nb\r\n#Dup\r\nsecond\r\n", 2, "Dup", "first\r\n"},
        {"#A\r\na\r\n#Last\r\none\r\n\r\ntwo", 1, "Last", "one\r\n\r\ntwo\r\n"},
        {"#A\na\n#B\nb1\nb2\n", 1, "B", "b1\r\nb2\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        OpenOn(row.file);
        Click(row.row);
        EXPECT_EQ(window->Heading()->text(), row.heading);
        EXPECT_EQ(window->Help()->toPlainText(), QString(row.text).replace("\r\n", "\n"));
        const std::string entry = window->TOC()->item(row.row)->text().toStdString();
        EXPECT_EQ(ReadHelpTopic(FilePath(path), HeadingLineOf(entry)), row.text);
    }
    EXPECT_TRUE(reporter.messages.empty());
}

// The requested topic, matched ignoring case and surrounding blanks; else the first topic.
// Lines before the first heading belong to no topic.
TEST_F(HelpTest, OpensOnTheRequestedTopicElseTheFirst) {
    const std::tuple<const char*, int, const char*> rows[] = {
        {"", 0, "First line\n\nLast line\n"},
        {"Export", 2, "e\n"},
        {"  getting STARTED ", 1, "Go\n"},
        {"Printing", 0, "First line\n\nLast line\n"},
    };
    for (const auto& [topic, row, text] : rows) {
        SCOPED_TRACE(topic);
        OpenOn("Not shown\r\n#Index\r\nFirst line\r\n\r\nLast line\r\n#Getting#Started\r\nGo\r\n"
               "#Export\r\ne\r\n",
               topic);
        EXPECT_EQ(window->TOC()->currentRow(), row);
        EXPECT_EQ(window->Heading()->text(), window->TOC()->currentItem()->text().trimmed());
        EXPECT_EQ(window->Help()->toPlainText(), text);
    }
    EXPECT_EQ(window->TOC()->count(), 3);
    EXPECT_EQ(window->TOC()->item(1)->text(), " Getting Started");
    EXPECT_EQ(window->Help()->font().family(), "Lucida Console");
    EXPECT_TRUE(window->Heading()->font().bold());
    EXPECT_TRUE(reporter.messages.empty());
}

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
        frmHelp viewer(FilePath(path), "", reporter);
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
    // Neither, then the shared folder's, then both: the one beside the program wins.
    const std::pair<std::filesystem::path, std::filesystem::path> steps[] = {
        {{}, bin}, {share, share}, {bin, bin}};
    for (const auto& [written, found] : steps) {
        if (!written.empty()) WriteFileBytes((written / "Tabulo.Txt").string(), "#A\r\n");
        EXPECT_EQ(modHelp::HelpFilePath(FilePath(bin.string())).Native(),
                  (found / "Tabulo.Txt").string());
    }
}

// No help file lies beside the test program: the viewer opens modally all the same after
// the load error (what it shows then is checked above on frmHelp itself).
TEST(ShowHelpTest, MissingFileStillOpensTheViewer) {
    RecordingReporter reporter;
    QString title;
    WhenModalOpens([&](QWidget* modal) {
        title = modal->windowTitle();
        modal->close();
    });
    modHelp::ShowHelp("", reporter);
    EXPECT_EQ(title, "Help");
    EXPECT_EQ(reporter.messages, std::vector<RecordedMessage>{kLoadError});
}

} // namespace
} // namespace tabulo::test
