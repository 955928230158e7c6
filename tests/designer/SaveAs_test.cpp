// Starting points and new databases: a design from each shipped sample, Save As of an opened
// database with or without its records, and the progress of a rewrite.

#include "DesignerFixture.h"
#include "NamedCase.h"
#include "TestDb.h"
#include "engine/PosixFileSystem.h"
#include "engine/modDB.h"

#include <QAction>
#include <functional>

namespace tabulo::designer {
namespace {

using SaveAsTest = DesignerTest;

struct SampleCase {
    const char* what;
    const char* command;
    size_t fields;
    const char* aField;
};

class SampleStart : public SaveAsTest, public testing::WithParamInterface<SampleCase> {};

// The menu finds the samples beside the program (here, the build tree's); the design is
// untitled, and its first Save makes a database of the sample's form with no records.
TEST_P(SampleStart, GivesAnUntitledDesignThatSavesAsAnEmptyDatabase) {
    const SampleCase& c = GetParam();
    window->Command(c.command)->trigger();
    ASSERT_EQ(reporter.messages.size(), 0u) << reporter.Only().text;
    EXPECT_EQ(Doc().Current().fields.size(), c.fields);
    EXPECT_EQ(Doc().Kind(), FileKind::None);
    EXPECT_EQ(window->windowTitle(), "Untitled[*] - Tabulo Designer");

    const std::string path = AnswerSaveAs("Mine.Tbd");
    ASSERT_TRUE(window->Save()) << reporter.Only().text;
    EXPECT_EQ(reporter.questions.size(), 0u);
    modDB db(reporter, MachineFileSystem());
    ASSERT_EQ(db.OpenDatabase(FilePath(path)), 1);
    EXPECT_EQ(db.GetFieldCount(), int(c.fields));
    EXPECT_GT(db.FindField(c.aField), 0);
    EXPECT_EQ(db.GetRecordCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Designer, SampleStart,
                         testing::Values(SampleCase{"contacts", "NewFromContacts", 20, "EMAIL"},
                                         SampleCase{"inventory", "NewFromInventory", 17, "REORDER"},
                                         SampleCase{"book list", "NewFromBooks", 13, "ISBN"}),
                         test::CaseName<SampleCase>);

// An installed program finds the samples in the share folder beside its bin folder; one run
// from the build tree, in the tree's samples folder.
TEST(SamplePathTest, TheInstalledFolderFirstThenTheBuildTree) {
    test::TempDir root;
    const std::filesystem::path bin = root.Path() / "usr" / "bin";
    const std::filesystem::path installed = root.Path() / "usr/share/tabulo/samples/Books.Tbd";
    std::filesystem::create_directories(bin);
    EXPECT_EQ(SamplePath(FilePath(bin.string()), "Books").Native(),
              (root.Path() / "samples/Books.Tbd").string());
    std::filesystem::create_directories(installed.parent_path());
    test::WriteFileBytes(installed.string(), "sample");
    EXPECT_EQ(SamplePath(FilePath(bin.string()), "Books").Native(), installed.string());
}

struct SaveAsCase {
    const char* what;
    std::function<void(design::Design&)> change;
    std::vector<bool> answers; // to "copy the records?", then to the plan
    size_t questions;
    bool saved;
    int32_t records;        // in the new database
    const char* secondName; // NAME of its second record
};

class SaveAsCopy : public SaveAsTest, public testing::WithParamInterface<SaveAsCase> {};

TEST_P(SaveAsCopy, MakesANewDatabaseAndLeavesTheOriginalAlone) {
    const SaveAsCase& c = GetParam();
    const std::string original = Club();
    const std::string before = test::ReadFileBytes(original);
    OpenAndChange(original, c.change);
    for (bool answer : c.answers)
        reporter.AnswerNext(answer);

    const std::string path = AnswerSaveAs("Copy.Tbd");
    EXPECT_EQ(window->SaveAs(), c.saved) << reporter.Only().text;
    ASSERT_EQ(reporter.questions.size(), c.questions);
    EXPECT_EQ(reporter.questions[0].text,
              "Copy the records of \"" + original + "\" into \"" + path + "\"?");
    EXPECT_FALSE(reporter.questions[0].defaultNo);
    EXPECT_EQ(test::ReadFileBytes(original), before);
    const auto files = std::distance(std::filesystem::directory_iterator(dir.Path()),
                                     std::filesystem::directory_iterator());
    EXPECT_EQ(files, c.saved ? 2 : 1) << "only the new database joins the original";
    if (!c.saved) return;
    EXPECT_EQ(Doc().Path().Native(), path);
    EXPECT_EQ(test::ReadFileBytes(path).substr(0, kHeaderSize),
              EncodeHeader(design::HeaderFromDesign(Doc().Current(), c.records)));
    EXPECT_EQ(ReadBack(path, 2, "NAME"), std::pair(long(c.records), std::string(c.secondName)));
}

auto Moved = [](design::Design& d) { d.fields[0].left += 20; };
auto Longer = [](design::Design& d) { d.fields.back().length = 12; };
auto NoCity = [](design::Design& d) { d.fields.pop_back(); };

INSTANTIATE_TEST_SUITE_P(
    Designer, SaveAsCopy,
    testing::Values(
        SaveAsCase{"with the records", Moved, {true}, 1, true, 2, "Bob"},
        SaveAsCase{"a longer field with the records", Longer, {true}, 1, true, 2, "Bob"},
        SaveAsCase{"without the records", Longer, {false}, 1, true, 0, ""},
        SaveAsCase{"a field dropped after yes", NoCity, {true, true}, 2, true, 2, "Bob"},
        SaveAsCase{"a field dropped refused", NoCity, {true, false}, 2, false, 0, ""}),
    test::CaseName<SaveAsCase>);

// The rewrite reports every record, up to the last, to the progress it is given.
TEST_F(SaveAsTest, SaveOfManyRecordsShowsTheProgressToTheEnd) {
    constexpr long kRecords = 3000;
    test::TestDb many;
    many.AddField("NAME", 10);
    for (long i = 0; i < kRecords; ++i)
        many.AddRecord({"n" + std::to_string(i)});
    const std::string path = many.Create(dir, "Many") + ".Tbd";
    OpenAndChange(path, [](design::Design& d) { d.fields[0].length = 12; });
    test::RecordingProgress progress;
    window->SetProgress(&progress);
    reporter.AnswerNext(true);
    ASSERT_TRUE(window->Save()) << reporter.Only().text;
    EXPECT_EQ(std::tuple(progress.shows, progress.lastDone, progress.lastTotal, progress.hides),
              std::tuple(kRecords, kRecords, kRecords, 1));
}

} // namespace
} // namespace tabulo::designer
