// A database made in the designer opens in Tabulo's own window with every field and banner
// where the designer put it, read back from that window's form, and its Start runs.

#include "../editor/EditorFixture.h"
#include "DesignerFixture.h"
#include "RecordingScriptUi.h"
#include "designer/DesignCanvas.h"
#include "designer/ScriptPage.h"
#include "dialogs/QtText.h"
#include "editor/QtScriptWindow.h"
#include "engine/PosixFileSystem.h"

#include <QSpinBox>

namespace tabulo::designer {
namespace {

class EndToEndTest : public DesignerTest {
protected:
    void Name(const char* text) {
        SetProperty(window->Canvas()->Selected().begin()->kind == ItemKind::Field ? "Name"
                                                                                  : "Caption",
                    text);
    }
};

TEST_F(EndToEndTest, ADatabaseMadeHereOpensInTabuloAsDesigned) {
    ASSERT_TRUE(window->NewDesign());
    Run("AddField");
    Name("TITLE");
    Property<QSpinBox>("Left")->setValue(150);
    Run("AddLabel");
    window->Canvas()->SetPage(2);
    Run("AddField");
    Name("AUTHOR");
    Run("AddField");
    Name("YEAR");
    Property<QSpinBox>("Top")->setValue(200);
    Run("AddBanner");
    Name("Who wrote it");
    window->Canvas()->Select({});
    SetProperty("Heading of page 2", "Author");
    window->Script()->Editor()->setPlainText(
        "Sub Start\n  MsgBox \"Ready\"\nEnd Sub\n\nSub Update\nEnd Sub");
    AnswerSaveAs("Books");
    ASSERT_TRUE(window->SaveAs()) << reporter.Only();
    const design::Design made = Doc().Current();
    ASSERT_EQ(made.fields.size(), 3u);
    ASSERT_EQ(made.banners.size(), 2u);

    test::RecordingReporter tabuloReporter;
    modDB db(tabuloReporter, MachineFileSystem());
    WindowScriptHost host(db, tabuloReporter);
    test::RecordingServices services;
    frmEdit tabulo(db, tabuloReporter, host, services, dialogs);
    test::RecordingScriptUi ui;
    host.Attach(tabulo, ui, dialogs);
    ASSERT_TRUE(tabulo.StartUp((dir.Path() / "Books.Tbd").string()));
    EXPECT_EQ(ui.Prompts(), std::vector<std::string>{"Ready"}) << "Start ran";
    EXPECT_EQ(test::PageHeading(tabulo, 2)->text(), "Author");
    for (int page = 1; page <= 2; ++page) {
        tabulo.SetCurPage(page);
        tabulo.ShowCurPage();
        for (const design::Field& f : made.fields) {
            if (f.page != page) continue;
            EXPECT_EQ(test::Dummy(tabulo, f.slot)->geometry(),
                      QRect(f.left, f.top, f.width, f.height))
                << f.name;
            EXPECT_TRUE(test::Dummy(tabulo, f.slot)->isVisibleTo(tabulo.Form())) << f.name;
        }
        for (const design::Banner& b : made.banners) {
            if (b.page != page) continue;
            const QLabel* shown = tabulo.Form()->Banner(b.slot);
            EXPECT_EQ(shown->pos(), QPoint(b.left, b.top)) << b.caption;
            EXPECT_EQ(FromQString(shown->text()), b.caption);
            EXPECT_TRUE(shown->isVisibleTo(tabulo.Form())) << b.caption;
        }
    }
}

} // namespace
} // namespace tabulo::designer
