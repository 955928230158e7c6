#include "DialogTest.h"
#include "dialogs/frmShowText.h"

#include <QDir>
#include <string>
#include <vector>

namespace tabulo {
namespace {

// Records which window was asked for and what the parameters were at that moment.
class RecordingRunner : public modDlg::DialogRunner {
public:
    void RunFileDialog() override {
        calls.push_back("file " + modDlg::DlgTitle + " " + modDlg::DlgFileName + " " +
                        (modDlg::DlgSaveMode ? "save" : "load"));
    }
    void RunDatePicker() override {
        calls.push_back("date " + std::to_string(modDlg::DlgPickX) + "," +
                        std::to_string(modDlg::DlgPickY));
    }
    void RunInputBox() override { calls.push_back("input [" + modDlg::DlgMask + "]"); }
    void RunTextViewer(frmShowText&) override { calls.push_back("text"); }

    std::vector<std::string> calls;
};

class ModDlg : public test::DialogTest {
protected:
    ModDlg() { modDlg::SetRunner(&runner); }
    RecordingRunner runner;
};

TEST_F(ModDlg, OpenersSetTheirParametersThenRunTheWindow) {
    modDlg::DlgFileName = "old";
    modDlg::DlgLoad();
    modDlg::DlgFileName = "export";
    modDlg::DlgSaveAs();
    modDlg::PickDate(1500, 3000);
    modDlg::ShowInput("  anp ");
    modDlg::ShowInput("");
    frmShowText viewer;
    modDlg::Runner().RunTextViewer(viewer);
    const std::vector<std::string> expected = {"file Load  load", "file Save As export save",
                                               "date 1500,3000",  "input [ANP]",
                                               "input []",        "text"};
    EXPECT_EQ(runner.calls, expected);
}

TEST_F(ModDlg, DateOrderComesFromTheSourceThatIsSet) {
    EXPECT_EQ(modDlg::DateOrder(), 1);
    modDlg::SetDateOrderSource([] { return 2; });
    EXPECT_EQ(modDlg::DateOrder(), 2);
}

TEST_F(ModDlg, ChosenFileJoinsPathAndNameWithOneSeparator) {
    const std::string sep(1, QDir::separator().toLatin1());
    struct Case {
        std::string path, name, expected;
    };
    const Case cases[] = {
        {"data", "stock", "data" + sep + "stock"},
        {sep, "stock", sep + "stock"},
        {"", "stock", "stock"},
    };
    for (const Case& c : cases) {
        modDlg::DlgPath = c.path;
        modDlg::DlgFileName = c.name;
        EXPECT_EQ(modDlg::DlgChosenFile(), c.expected);
    }
}

} // namespace
} // namespace tabulo
