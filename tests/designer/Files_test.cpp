// The designer's files: new, open, save as a new database or a description, the title, and
// the question before unsaved changes are dropped.

#include "DesignerFixture.h"
#include "NamedCase.h"
#include "TestDb.h"
#include "design/DesignJson.h"
#include "engine/PosixFileSystem.h"
#include "engine/modDB.h"

#include <QTest>
#include <functional>

namespace tabulo::designer {
namespace {

class FilesTest : public DesignerTest {
protected:
    void Modify() { Doc().Apply(Moved(Doc().Current(), {{ItemKind::Field, 1}}, 5, 0), "Move"); }
};

TEST_F(FilesTest, SaveAsWritesANewEmptyDatabaseOfTheDesign) {
    Modify();
    AnswerSaveAs("Club");
    ASSERT_TRUE(window->SaveAs()) << reporter.Only();
    const std::string bytes = test::ReadFileBytes((dir.Path() / "Club.Tbd").string());
    ASSERT_EQ(bytes.size(), size_t(kHeaderSize));
    EXPECT_EQ(bytes, EncodeHeader(design::HeaderFromDesign(Doc().Current())));
    EXPECT_EQ(window->windowTitle(), "Club.Tbd[*] - Tabulo Designer");
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "Club.Tbd.part"));
}

TEST_F(FilesTest, ANewDatabaseNeverReplacesAFile) {
    const std::string path =
        test::TestDb().AddField("A", 3).AddRecord({"abc"}).Create(dir, "Kept") + ".Tbd";
    const std::string before = test::ReadFileBytes(path);
    AnswerSaveAs("Kept.Tbd");
    EXPECT_FALSE(window->SaveAs());
    EXPECT_EQ(reporter.Only().text,
              "\"" + path + "\" exists already; a new database needs a new name");
    EXPECT_EQ(test::ReadFileBytes(path), before);
}

// Save over an opened database shows the plan and asks first: No leaves every byte as it
// was, Yes rewrites the records to the new form, a value cut only after that yes.
TEST_F(FilesTest, SaveIntoAnOpenedDatabaseRewritesItsRecordsOnlyAfterYes) {
    const struct {
        const char* name;
        int length;
        bool yes;
        const char* planLine; // the plan's line about field A, if any
        const char* value;    // field A of the record afterwards
    } cases[] = {
        {"MovedNo", 3, false, "", "abc"},
        {"MovedYes", 3, true, "", "abc"},
        {"CutNo", 1, false, "cut: A to 1 characters", "abc"},
        {"CutYes", 1, true, "cut: A to 1 characters", "a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path =
            test::TestDb().AddField("A", 3).AddRecord({"abc"}).Create(dir, c.name) + ".Tbd";
        const std::string before = test::ReadFileBytes(path);
        if (window->isWindowModified()) reporter.AnswerNext(true); // drop the last case's
        ASSERT_TRUE(window->OpenFile(FilePath(path)));
        design::Design next = Doc().Current();
        next.fields[0].left += 5;
        next.fields[0].length = c.length;
        Doc().Apply(next, "Change");
        reporter.Clear();
        reporter.AnswerNext(c.yes);
        EXPECT_EQ(window->Save(), c.yes) << reporter.Only();
        ASSERT_EQ(reporter.questions.size(), 1u);
        EXPECT_NE(reporter.questions[0].text.find(path + ": 1 records rewritten"),
                  std::string::npos);
        EXPECT_NE(reporter.questions[0].text.find(c.planLine), std::string::npos);
        EXPECT_EQ(window->isWindowModified(), !c.yes);
        if (!c.yes) {
            EXPECT_EQ(test::ReadFileBytes(path), before);
        }
        test::RecordingReporter readerReporter;
        modDB reader(readerReporter, MachineFileSystem());
        std::string name = path, value;
        ASSERT_EQ(reader.OpenDatabase(FilePath(name)), 1);
        EXPECT_EQ(reader.ReadField(1, value), 1);
        EXPECT_EQ(value, c.value);
    }
}

TEST_F(FilesTest, ADescriptionSavesAndOpensAsTheSameDesign) {
    Modify();
    const std::string path = AnswerSaveAs("club.json");
    ASSERT_TRUE(window->SaveAs()) << reporter.Only();
    const design::Design saved = Doc().Current();
    ASSERT_TRUE(window->NewDesign());
    ASSERT_TRUE(window->OpenFile(FilePath(path)));
    EXPECT_EQ(EncodeHeader(design::HeaderFromDesign(Doc().Current())),
              EncodeHeader(design::HeaderFromDesign(saved)));
    Modify();
    EXPECT_TRUE(window->Save()) << "a description is saved in place";
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(FilesTest, UnsavedChangesAreDroppedOnlyAfterYes) {
    Modify();
    reporter.AnswerNext(false);
    EXPECT_FALSE(window->NewDesign());
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_FALSE(window->close());
    ASSERT_EQ(reporter.questions.size(), 2u);
    EXPECT_EQ(reporter.questions[0].text, "Discard the unsaved changes to the new design?");
    reporter.AnswerNext(true);
    EXPECT_TRUE(window->NewDesign());
    EXPECT_EQ(Doc().Current(), BlankDesign());
    EXPECT_TRUE(window->close()) << "nothing left to ask about";
    EXPECT_EQ(reporter.questions.size(), 3u);
}

struct TrialCase {
    const char* what;
    std::function<void(design::Design&)> change;
    int32_t records; // in the copy Tabulo opens
};

class TrialTest : public FilesTest, public testing::WithParamInterface<TrialCase> {};

TEST_P(TrialTest, TryOpensACopyInTabuloWithTheRecordsWhenTheirLayoutStays) {
    const std::string path = Club();
    const std::string before = test::ReadFileBytes(path);
    ASSERT_TRUE(window->OpenFile(FilePath(path)));
    design::Design d = Doc().Current();
    GetParam().change(d);
    ASSERT_TRUE(Doc().Apply(d, "change").empty());
    std::vector<QStringList> started;
    window->SetLauncher([&](const QString& program, const QStringList& arguments) {
        started.push_back(QStringList{program} + arguments);
        return true;
    });
    ASSERT_TRUE(window->TryDesign()) << reporter.Only();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_TRUE(started[0][0].endsWith("/tabulo"));
    const std::string copy = test::ReadFileBytes(started[0][1].toStdString());
    const std::string records = before.substr(kHeaderSize);
    EXPECT_EQ(copy.substr(0, kHeaderSize),
              EncodeHeader(design::HeaderFromDesign(Doc().Current(), GetParam().records)));
    EXPECT_EQ(copy.substr(kHeaderSize), GetParam().records ? records : std::string());
    EXPECT_EQ(test::ReadFileBytes(path), before) << "the database itself is left alone";
}

INSTANTIATE_TEST_SUITE_P(
    Designer, TrialTest,
    testing::Values(
        TrialCase{"a moved field", [](design::Design& d) { d.fields[0].left += 40; }, 2},
        TrialCase{"a new caption", [](design::Design& d) { d.pageHeadings[1] = "More"; }, 2},
        TrialCase{"a longer field", [](design::Design& d) { d.fields[1].length = 12; }, 0},
        TrialCase{"an added field", [](design::Design& d) { AddField(d, 1, 10, 200); }, 0}),
    test::CaseName<TrialCase>);

TEST_F(FilesTest, AFileThatIsNoDatabaseIsRefused) {
    const std::string path = (dir.Path() / "short.Tbd").string();
    test::WriteFileBytes(path, "too short");
    EXPECT_FALSE(window->OpenFile(FilePath(path)));
    EXPECT_EQ(reporter.Only().text,
              "\"" + path + "\" is not a database: it is shorter than its header");
    EXPECT_EQ(Doc().Current(), TwoFieldDesign());
}

} // namespace
} // namespace tabulo::designer
