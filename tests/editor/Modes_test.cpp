// The enable and visibility table of the three modes, checked item by item on the real
// menus and buttons through a whole round: no database, browsing, editing, browsing again.

#include "EditorFixture.h"

#include <QMenu>
#include <cerrno>
#include <optional>
#include <set>

namespace tabulo::test {
namespace {

enum class Prop { Enabled, Visible };

struct Row {
    const char* name; // of the menu item, menu or control
    Prop prop;
    // States in the order: no database, browsing, editing, browsing after Cancel;
    // for a form of two pages and for a form of one page.
    const char* twoPages;
    const char* onePage;
    std::optional<ToolButton> button = {}; // the toolbar button of the same command
};

const Row kRows[] = {
    {"mnuOpen", Prop::Enabled, "1000", "1000", ToolButton::Open},
    {"mnuClose", Prop::Enabled, "0101", "0101", ToolButton::Close},
    {"mnuPack", Prop::Enabled, "0101", "0101"},
    {"mnuPrint", Prop::Enabled, "0101", "0101", ToolButton::Print},
    {"mnuExport", Prop::Enabled, "0101", "0101"},
    {"mnuExitProgram", Prop::Enabled, "1101", "1101"},
    {"mnuEditRecord", Prop::Enabled, "0101", "0101", ToolButton::Edit},
    {"mnuUpdateRecord", Prop::Enabled, "0010", "0010", ToolButton::Update},
    {"mnuCancelUpdate", Prop::Enabled, "0010", "0010", ToolButton::Cancel},
    {"mnuNewRecord", Prop::Enabled, "0101", "0101", ToolButton::New},
    {"mnuDuplicateRecord", Prop::Enabled, "0101", "0101"},
    {"mnuSearchRecord", Prop::Enabled, "0101", "0101", ToolButton::Find},
    {"mnuDeleteRecord", Prop::Enabled, "0101", "0101", ToolButton::Delete},
    {"mnuTime", Prop::Enabled, "0010", "0010"},
    {"mnuDate", Prop::Enabled, "0010", "0010"},
    {"mnuGotoRecord", Prop::Enabled, "0101", "0101", ToolButton::GotoRecord},
    {"mnuFirstRecord", Prop::Enabled, "0101", "0101", ToolButton::FirstRecord},
    {"mnuLastRecord", Prop::Enabled, "0101", "0101", ToolButton::LastRecord},
    {"mnuNextRecord", Prop::Enabled, "0101", "0101", ToolButton::NextRecord},
    {"mnuPreviousRecord", Prop::Enabled, "0101", "0101", ToolButton::PreviousRecord},
    // Browsing switches the page items on or off; editing shows or hides them instead and
    // leaves the other property as it was.
    {"mnuPreviousPage", Prop::Enabled, "0111", "0000", ToolButton::PreviousPage},
    {"mnuPreviousPage", Prop::Visible, "1111", "1100"},
    {"mnuNextPage", Prop::Enabled, "0111", "0000", ToolButton::NextPage},
    {"mnuNextPage", Prop::Visible, "1111", "1100"},
    {"mnuPage", Prop::Visible, "0111", "0000"},
    {"lblRecNo", Prop::Visible, "0111", "0111"},
    {"mnuAction0", Prop::Enabled, "0010", "0010"},
    {"mnuContents", Prop::Enabled, "1111", "1111"},
    {"mnuAbout", Prop::Enabled, "1111", "1111"},
};

char StateOf(QObject* item, Prop prop) {
    if (auto* menu = qobject_cast<QMenu*>(item)) item = menu->menuAction();
    if (auto* action = qobject_cast<QAction*>(item))
        return (prop == Prop::Enabled ? action->isEnabled() : action->isVisible()) ? '1' : '0';
    auto* widget = qobject_cast<QWidget*>(item);
    return (prop == Prop::Enabled ? widget->isEnabled() : !widget->isHidden()) ? '1' : '0';
}

// The row's states: its item's, then its toolbar button's when it has one.
std::string StatesOf(const frmEdit& w, const Row& row) {
    std::string states(1, StateOf(NamedChild<QObject>(w, row.name), row.prop));
    if (row.button) states += StateOf(ToolbarButton(w, *row.button), row.prop);
    return states;
}

class ModesTest : public EditorTest, public ::testing::WithParamInterface<int> {
protected:
    // The states of every row after each step of the round.
    std::vector<std::string> RunRound(int pages) {
        TestDb form = ContactsDb();
        if (pages == 1) {
            for (DBField& f : form.MutableHeader().Fields)
                f.Page = f.Page ? 1 : 0;
            for (DBBanner& b : form.MutableHeader().Banners)
                b.Page = b.Page ? 1 : 0;
        }
        std::string base = Create(form);
        std::vector<std::string> states(std::size(kRows));
        auto snapshot = [&] {
            for (size_t r = 0; r < std::size(kRows); ++r)
                states[r] += StatesOf(*window, kRows[r]);
        };
        EXPECT_TRUE(Start(""));
        Show();
        // As a script that defines actions would; a hidden menu never reads as enabled.
        window->ActionsMenu()->menuAction()->setVisible(true);
        snapshot();
        EXPECT_EQ(db.OpenDatabase(FilePath(base)), 1);
        window->setWindowTitle("Contacts");
        window->BrowseMode();
        snapshot();
        window->Run(Command::Edit);
        snapshot();
        window->Run(Command::Cancel);
        snapshot();
        return states;
    }
};

// A row with a toolbar button expects each state twice: the menu item's, the button's.
TEST_P(ModesTest, EveryItemFollowsTheModeTable) {
    const int pages = GetParam();
    std::vector<std::string> states = RunRound(pages);
    for (size_t r = 0; r < std::size(kRows); ++r) {
        std::string expected;
        for (char state : std::string(pages == 2 ? kRows[r].twoPages : kRows[r].onePage))
            expected += std::string(kRows[r].button ? 2 : 1, state);
        EXPECT_EQ(states[r], expected) << kRows[r].name;
    }
}

INSTANTIATE_TEST_SUITE_P(PageCounts, ModesTest, ::testing::Values(1, 2));

// A database the system lets this copy only read: browsing, Find, Print and Export work as
// always, the commands that write are off, and the record caption says so.
TEST_F(EditorTest, AReadOnlyDatabaseBrowsesWithTheWritingCommandsOff) {
    const std::string base = Create(ContactsDb());
    faults.FailAtStep(1, EROFS); // the system refuses to open the file for writing
    ASSERT_TRUE(Start(base));
    faults.ResetSteps();
    Show();
    ASSERT_TRUE(db.IsReadOnly());
    const std::set<std::string> writing = {"mnuPack", "mnuEditRecord", "mnuNewRecord",
                                           "mnuDuplicateRecord", "mnuDeleteRecord"};
    for (const Row& row : kRows) {
        const char browsing = writing.contains(row.name) ? '0' : row.twoPages[1];
        EXPECT_EQ(StatesOf(*window, row), std::string(row.button ? 2 : 1, browsing)) << row.name;
    }
    EXPECT_EQ(RecordCaption(*window)->text(), " 1 / 3 read-only");
}

} // namespace
} // namespace tabulo::test
