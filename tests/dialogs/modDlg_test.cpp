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
    std::vector<std::string> inputs; // title, value, most characters, mask
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
        inputs.push_back(request.Title + "|" + request.Value + "|" +
                         std::to_string(request.MaxLen) + "|" + request.Mask);
        return typed;
    }
    void ShowText(frmShowText&) override {}
};

// Load and Save As ask with their titles and give only a named choice; each starts in the
// directory where the last "Ok" left it.
TEST(ModDlg, FileDialogsAskWithTheirTitlesAndStartWhereTheLastOkEnded) {
    RecordingDialogs dialogs;
    dialogs.choices = {ChosenFile{FilePath("/one"), FilePath("stock")},
                       ChosenFile{FilePath("/two"), {}}, std::nullopt};
    const std::optional<ChosenFile> loaded = dialogs.DlgLoad("*.Tbd");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->FileName.Native(), "stock");
    EXPECT_FALSE(dialogs.DlgSaveAs("*.Csv", FilePath("export"))) << "Ok without a name";
    EXPECT_FALSE(dialogs.DlgLoad("*.Tbd")) << "cancelled";
    EXPECT_FALSE(dialogs.DlgLoad("*.Tbd"));
    std::vector<std::string> asked; // title, pattern, file name, starting directory, mode
    for (const FileRequest& r : dialogs.files)
        asked.push_back(r.Title + "|" + r.Pattern + "|" + r.FileName.Native() + "|" +
                        r.Path.Native() + (r.SaveMode ? "|save" : ""));
    EXPECT_EQ(asked, (std::vector<std::string>{"Load|*.Tbd||", "Save As|*.Csv|export|/one|save",
                                               "Load|*.Tbd||/two", "Load|*.Tbd||/two"}));
}

TEST(ModDlg, ShowInputGivesTheMaskInCapitalsAndTheValueBackWhenClosed) {
    RecordingDialogs dialogs;
    EXPECT_EQ(dialogs.ShowInput({"Password?", "old", 32, "  anp "}), "old");
    dialogs.typed = "new";
    EXPECT_EQ(dialogs.ShowInput({"Password?", "old", 32, ""}), "new");
    EXPECT_EQ(dialogs.inputs,
              (std::vector<std::string>{"Password?|old|32|ANP", "Password?|old|32|"}));
}

} // namespace
} // namespace tabulo
