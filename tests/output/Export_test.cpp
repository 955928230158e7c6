// The Export window on real widgets over a real engine, and the file that comes out.

#include "../dialogs/ListClicks.h"
#include "FaultyFileSystem.h"
#include "RecordingReporter.h"
#include "TempDir.h"
#include "TestDb.h"
#include "dialogs/modDlg.h"
#include "engine/CsvExport.h"
#include "engine/FileName.h"
#include "engine/modDB.h"
#include "output/frmExport.h"

#include <QPushButton>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>

namespace tabulo::test {
namespace {

// Answers the Save As dialog with a folder and a typed name; an empty name cancels.
class SaveAsAnswer : public Dialogs {
public:
    std::string path, fileName;
    std::string asked; // title, pattern and mode the dialog was opened with
    std::optional<ChosenFile> ChooseFile(const FileRequest& request) override {
        asked = request.Title + " " + request.Pattern + (request.SaveMode ? " save" : "");
        return ChosenFile{FilePath(path), FilePath(fileName)};
    }
    std::optional<std::string> PickDate(const DateRequest&) override { return std::nullopt; }
    std::optional<std::string> Input(const InputRequest&) override { return std::nullopt; }
    void ShowText(frmShowText&) override {}
};

class ExportTest : public ::testing::Test {
protected:
    ExportTest() { answer.path = dir.Path().string(); }

    void Open(const TestDb& db) {
        std::string base = db.Create(dir, "Stock");
        ASSERT_EQ(engine.OpenDatabase(FilePath(base)), 1);
    }
    // A fresh Export window: the entries clicked, then Export answered with the name.
    void ExportAs(const std::string& typed, const std::vector<int>& entries, bool selectAll) {
        window.emplace(engine, reporter, answer);
        window->show();
        for (int entry : entries)
            ClickEntry(window->lstField(), entry);
        if (selectAll) QTest::mouseClick(window->Command1(), Qt::LeftButton);
        answer.fileName = typed;
        QTest::mouseClick(window->btnExport(), Qt::LeftButton);
    }
    // The folder's file names other than the database's.
    std::vector<std::string> OtherFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            if (entry.path().filename() != "Stock.Tbd") names.push_back(entry.path().filename());
        return names;
    }

    FaultyFileSystem faults;
    TempDir dir;
    RecordingReporter reporter;
    modDB engine{reporter, faults};
    SaveAsAnswer answer;
    std::optional<frmExport> window;
};

// The export's ".csv" and the printed ".pdf" follow one rule.
TEST(OutputFileNameTest, AddsTheExtensionUnlessPresentInAnyCase) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"data", ".csv", "data.csv"},
        {"data.CSV", ".csv", "data.CSV"},
        {"data.txt", ".csv", "data.txt.csv"},
        {"csv", ".csv", "csv.csv"},
        {"/tmp/a.b/x", ".csv", "/tmp/a.b/x.csv"},
        {"cards.PDF", ".pdf", "cards.PDF"},
        {"cards.csv", ".pdf", "cards.csv.pdf"},
    };
    for (const auto& [typed, extension, written] : cases)
        EXPECT_EQ(WithExtension(FilePath(typed), extension).Native(), written) << typed;
}

// The chosen fields in field number order (Select All; clicks, a second one unselecting;
// none), over a CR LF line break, a lone CR and LF, a quote, a comma, a marked record and
// characters above 127 (slot 4 free, slot 5 a second CITY). An older file of the name is
// replaced without a question.
TEST_F(ExportTest, ExactBytesOfTheChosenFields) {
    TestDb db;
    db.AddField("NAME", 10).AddField("NOTE", 20).AddField("CITY", 10);
    db.SetField(5, db.Header().Fields[2]);
    db.AddRecord({"Ann", "line one\r\nline two", "Rome"});
    db.AddDeletedRecord({"Bob \"Jr\"", "x, y", ""});
    db.AddRecord({"  Zo\xEB", "a\rb\nc", "Malm\xF6"});
    Open(db);
    engine.SetRecordNo(2);
    WriteFileBytes(dir.File("stock.csv"), "older and longer than the new content");
    const struct {
        std::vector<int> entries;
        bool selectAll;
        const char* csv;
    } rows[] = {
        {{},
         true,
         "#,NAME,NOTE,CITY,CITY\r\n"
         "1,\"Ann\",\"line one\nline two\",\"Rome\",\"Rome\"\r\n"
         "2,\"Bob \"Jr\"\",\"x, y\",\"\",\"\"\r\n"
         "3,\"Zo\xEB\",\"a\rb\nc\",\"Malm\xF6\",\"Malm\xF6\"\r\n"},
        {{2, 0},
         false,
         "#,NAME,CITY\r\n1,\"Ann\",\"Rome\"\r\n2,\"Bob "
         "\"Jr\"\",\"\"\r\n3,\"Zo\xEB\",\"Malm\xF6\"\r\n"},
        {{1, 0, 1}, false, "#,NAME\r\n1,\"Ann\"\r\n2,\"Bob \"Jr\"\"\r\n3,\"Zo\xEB\"\r\n"},
        {{}, false, "#\r\n1\r\n2\r\n3\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.csv);
        ExportAs("stock", row.entries, row.selectAll);
        EXPECT_EQ(answer.asked, "Save As *.Csv save");
        EXPECT_EQ(ReadFileBytes(dir.File("stock.csv")), row.csv);
        EXPECT_EQ(engine.GetRecordNo(), 2);
        EXPECT_FALSE(window->isVisible());
    }
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_TRUE(reporter.questions.empty());
}

// The progress window's steps while the writer goes through a longer file.
TEST_F(ExportTest, WriterProgress) {
    TestDb db;
    db.AddField("N", 6);
    for (int i = 1; i <= 250; ++i)
        db.AddRecord({std::to_string(i)});
    Open(db);
    RecordingProgress progress;
    ASSERT_EQ(WriteCsvExport(engine, {1}, FilePath(dir.File("n.csv")), &progress), std::nullopt);
    const std::string csv = ReadFileBytes(dir.File("n.csv"));
    EXPECT_EQ(csv.substr(0, 16), "#,N\r\n1,\"1\"\r\n2,\"2");
    EXPECT_EQ(csv.substr(csv.size() - 11), "250,\"250\"\r\n");
    EXPECT_EQ(progress.lastDone, 250);
    EXPECT_LE(progress.shows, 101) << "once per whole percent at most";
    EXPECT_EQ(progress.hides, 1);
    EXPECT_TRUE(reporter.messages.empty());
}

// The message names the file; no part of it is left under the chosen name or beside it. A
// cancelled dialog writes nothing and says nothing.
TEST_F(ExportTest, UnwritableFileOrCancelWritesNothing) {
    TestDb db;
    db.AddField("TEXT", 40);
    for (int i = 0; i < 8; ++i)
        db.AddRecord({"a value"});
    Open(db);
    std::filesystem::create_directory(dir.File("taken.csv"));
    const struct {
        const char* typed;
        const char* file;
        bool diskFull;
        const char* reason;
    } rows[] = {
        {"nowhere/x", "nowhere/x.csv", false, "No such file or directory"},
        {"taken", "taken.csv", false, "Is a directory"},
        {"full", "full.csv", true, "No space left on device"},
        {"", "", false, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        reporter.Clear();
        engine.SetRecordNo(7);
        if (row.diskFull) { // the disk fills up at the export's first write
            const auto log = faults.StepsOf([&] { ExportAs(row.typed, {0}, false); });
            std::filesystem::remove(dir.File(row.file));
            const auto write = std::find_if(log.begin(), log.end(), [](const LoggedStep& s) {
                return s.step == FileStep::Write;
            });
            faults.FailAtStep(write - log.begin() + 1, ENOSPC);
        }
        ExportAs(row.typed, {0}, false);
        faults.ResetSteps();
        std::vector<RecordedMessage> said;
        if (row.reason)
            said.push_back({"EXPORT",
                            "Cannot write the file " + dir.File(row.file) + ": " + row.reason,
                            MsgIcon::Critical});
        EXPECT_EQ(reporter.messages, said);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(OtherFiles(), std::vector<std::string>{"taken.csv"});
        EXPECT_EQ(engine.GetRecordNo(), 7);
    }
}

} // namespace
} // namespace tabulo::test
