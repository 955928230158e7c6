// The Export window on real widgets: the field list, "Select All", the Save As answer, and
// the file that comes out.

#include "../dialogs/ListClicks.h"
#include "ExportFixture.h"
#include "dialogs/modDlg.h"
#include "output/frmExport.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <optional>

namespace tabulo::test {
namespace {

// Answers the Save As dialog with a folder and a typed name; an empty name cancels.
class SaveAsAnswer : public Dialogs {
public:
    std::string path, fileName;
    std::string title, pattern; // as the dialog was asked to open
    bool saveMode = false;

    std::optional<ChosenFile> ChooseFile(const FileRequest& request) override {
        title = request.Title;
        pattern = request.Pattern;
        saveMode = request.SaveMode;
        return ChosenFile{path, fileName};
    }
    std::optional<std::string> PickDate(const DateRequest&) override { return std::nullopt; }
    std::optional<std::string> Input(const InputRequest&) override { return std::nullopt; }
    void ShowText(frmShowText&) override {}
};

class ExportWindowTest : public ExportTest {
protected:
    ExportWindowTest() { answer.path = dir.Path().string(); }

    void OpenWindow(const TestDb& db) {
        Open(db);
        window.emplace(engine, reporter, answer);
        window->show();
    }
    void Select(int entry) { ClickEntry(window->lstField(), entry); }
    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void ExportAs(const char* typed) {
        answer.fileName = typed;
        Click(window->btnExport());
    }

    SaveAsAnswer answer;
    std::optional<frmExport> window;
};

// A free slot (4 here) keeps its place in the list but is never chosen.
TEST_F(ExportWindowTest, SelectAllChoosesEveryField) {
    TestDb db = MixedDb();
    db.SetField(5, db.Header().Fields[1]);
    OpenWindow(db);
    EXPECT_EQ(window->windowTitle(), "Export");
    Click(window->Command1());
    QListWidget* list = window->lstField();
    EXPECT_EQ(list->selectedItems().size(), 4);
    EXPECT_FALSE(list->item(3)->isSelected());
}

TEST_F(ExportWindowTest, ExactBytesOfEveryRecord) {
    OpenWindow(MixedDb());
    engine.SetRecordNo(2);
    Click(window->Command1());
    ExportAs("stock");
    EXPECT_EQ(answer.title, "Save As");
    EXPECT_EQ(answer.pattern, "*.Csv");
    EXPECT_TRUE(answer.saveMode);
    EXPECT_EQ(ReadFileBytes(dir.File("stock.csv")), kMixedCsv);
    EXPECT_EQ(engine.GetRecordNo(), 2);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(reporter.messages.empty());
}

struct ContentCase {
    const char* name;
    int records; // of MixedDb, from the first
    std::vector<int> entries;
    const char* csv;
};

class ExportContentTest : public ExportWindowTest,
                          public ::testing::WithParamInterface<ContentCase> {};

TEST_P(ExportContentTest, WritesTheChosenFields) {
    const ContentCase& c = GetParam();
    TestDb db;
    db.AddField("NAME", 10).AddField("NOTE", 20).AddField("CITY", 10);
    const std::vector<std::vector<std::string>> rows = {{"Ann", "a", "Rome"}, {"Bob", "b", "Oslo"}};
    for (int i = 0; i < c.records; ++i)
        db.AddRecord(rows[i]);
    OpenWindow(db);
    for (int entry : c.entries)
        Select(entry);
    ExportAs("out");
    EXPECT_EQ(ReadFileBytes(dir.File("out.csv")), c.csv);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ExportContentTest,
    ::testing::Values(ContentCase{"NoFieldChosen", 2, {}, "#\r\n1\r\n2\r\n"},
                      ContentCase{"EmptyDatabase", 0, {0, 2}, "#,NAME,CITY\r\n"},
                      ContentCase{"FieldNumberOrder",
                                  2,
                                  {2, 0},
                                  "#,NAME,CITY\r\n1,\"Ann\",\"Rome\"\r\n2,\"Bob\",\"Oslo\"\r\n"},
                      ContentCase{"ClickTwiceUnselects", 1, {1, 0, 1}, "#,NAME\r\n1,\"Ann\"\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExportWindowTest, FileNameRule) {
    const std::pair<const char*, const char*> cases[] = {
        {"data", "data.csv"},
        {"data.CSV", "data.CSV"},
        {"Data.Csv", "Data.Csv"},
        {"data.txt", "data.txt.csv"},
    };
    Open(MixedDb());
    for (const auto& [typed, written] : cases) {
        frmExport exportWindow(engine, reporter, answer);
        answer.fileName = typed;
        Click(exportWindow.btnExport());
        EXPECT_EQ(OtherFiles(), std::vector<std::string>{written}) << typed;
        std::filesystem::remove(dir.File(written));
    }
}

TEST_F(ExportWindowTest, ReplacesAnOlderFileWithoutAsking) {
    WriteFileBytes(dir.File("old.csv"), "older and longer content than the new one\r\n");
    TestDb db;
    db.AddField("NAME", 10).AddRecord({"Ann"});
    OpenWindow(db);
    Select(0);
    ExportAs("old");
    EXPECT_EQ(ReadFileBytes(dir.File("old.csv")), "#,NAME\r\n1,\"Ann\"\r\n");
    EXPECT_TRUE(reporter.questions.empty());
}

TEST_F(ExportWindowTest, CancelledDialogWritesNothing) {
    OpenWindow(MixedDb());
    Click(window->Command1());
    ExportAs("");
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(OtherFiles().empty());
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(ExportWindowTest, UnwritableFileIsReportedByName) {
    OpenWindow(MixedDb());
    std::filesystem::create_directory(dir.File("taken.csv"));
    Click(window->Command1());
    ExportAs("taken");
    const std::string file = dir.File("taken.csv");
    EXPECT_EQ(
        reporter.messages,
        (std::vector<RecordedMessage>{
            {"EXPORT", "Cannot write the file " + file + ": Is a directory", MsgIcon::Critical}}));
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_EQ(OtherFiles(), std::vector<std::string>{"taken.csv"});
}

} // namespace
} // namespace tabulo::test
