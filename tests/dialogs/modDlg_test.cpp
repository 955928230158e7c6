#include "dialogs/modDlg.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tabulo {
namespace {

// Keeps every file request and answers with the prepared choices in turn; without one
// left, as if cancelled.
class RecordingDialogs : public Dialogs {
public:
    std::vector<FileRequest> files;
    std::vector<std::optional<ChosenFile>> choices;
    std::vector<InputRequest> inputs;
    std::optional<std::string> typed;

    std::optional<ChosenFile> ChooseFile(const FileRequest& request) override {
        files.push_back(request);
        if (choices.empty()) return std::nullopt;
        std::optional<ChosenFile> choice = choices.front();
        choices.erase(choices.begin());
        return choice;
    }
    std::optional<std::string> PickDate(const DateRequest&) override { return std::nullopt; }
    std::optional<std::string> Input(const InputRequest& request) override {
        inputs.push_back(request);
        return typed;
    }
    void ShowText(frmShowText&) override {}
};

TEST(ModDlg, LoadAndSaveAsAskWithTheirTitlesAndGiveOnlyANamedChoice) {
    RecordingDialogs dialogs;
    dialogs.choices = {ChosenFile{FilePath("/data"), FilePath("stock")},
                       ChosenFile{FilePath("/data"), {}}, std::nullopt};
    const std::optional<ChosenFile> loaded = dialogs.DlgLoad("*.Tbd");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->FileName.Native(), "stock");
    EXPECT_FALSE(dialogs.DlgSaveAs("*.Csv", FilePath("export"))) << "Ok without a name";
    EXPECT_FALSE(dialogs.DlgLoad("*.Tbd")) << "cancelled";

    ASSERT_EQ(dialogs.files.size(), 3u);
    const FileRequest& load = dialogs.files[0];
    EXPECT_EQ(load.Title, "Load");
    EXPECT_EQ(load.Pattern, "*.Tbd");
    EXPECT_EQ(load.FileName.Native(), "");
    EXPECT_FALSE(load.SaveMode);
    const FileRequest& save = dialogs.files[1];
    EXPECT_EQ(save.Title, "Save As");
    EXPECT_EQ(save.Pattern, "*.Csv");
    EXPECT_EQ(save.FileName.Native(), "export");
    EXPECT_TRUE(save.SaveMode);
}

// The file dialogs share one starting directory: where the last "Ok" left it.
TEST(ModDlg, EachFileDialogStartsWhereTheLastOkEnded) {
    RecordingDialogs dialogs;
    dialogs.choices = {ChosenFile{FilePath("/one"), FilePath("a")},
                       ChosenFile{FilePath("/two"), {}}, std::nullopt};
    dialogs.DlgLoad("*.Tbd");
    dialogs.DlgSaveAs("*.Csv");
    dialogs.DlgLoad("*.Tbd");
    dialogs.DlgLoad("*.Tbd");
    std::vector<std::string> starts;
    for (const FileRequest& request : dialogs.files)
        starts.push_back(request.Path.Native());
    EXPECT_EQ(starts, (std::vector<std::string>{"", "/one", "/two", "/two"}));
}

TEST(ModDlg, ShowInputGivesTheMaskInCapitalsAndTheValueBackWhenClosed) {
    RecordingDialogs dialogs;
    EXPECT_EQ(dialogs.ShowInput({"Password?", "old", 32, "  anp "}), "old");
    dialogs.typed = "new";
    EXPECT_EQ(dialogs.ShowInput({"Password?", "old", 32, ""}), "new");
    ASSERT_EQ(dialogs.inputs.size(), 2u);
    EXPECT_EQ(dialogs.inputs[0].Mask, "ANP");
    EXPECT_EQ(dialogs.inputs[0].Title, "Password?");
    EXPECT_EQ(dialogs.inputs[0].MaxLen, 32);
    EXPECT_EQ(dialogs.inputs[1].Mask, "");
}

} // namespace
} // namespace tabulo
