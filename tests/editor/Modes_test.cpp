// The enable and visibility table of the three modes, checked item by item on the real
// menus and buttons through a whole round: no database, browsing, editing, browsing again.

#include "EditorFixture.h"
#include "dialogs/QtText.h"

#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <cerrno>
#include <functional>
#include <set>

namespace tabulo::test {
namespace {

enum class Prop { Enabled, Visible };

struct Row {
    const char* name;
    std::function<QObject*(frmEdit&)> item;
    Prop prop;
    // States in the order: no database, browsing, editing, browsing after Cancel;
    // for a form of two pages and for a form of one page.
    const char* twoPages;
    const char* onePage;
};

std::function<QObject*(frmEdit&)> Btn(ToolButton b) {
    return [b](frmEdit& w) { return ToolbarButton(w, b); };
}
std::function<QObject*(frmEdit&)> Mnu(Command c) {
    return [c](frmEdit& w) { return MenuItem(w, c); };
}

const Row kRows[] = {
    {"cTBarBtn(0) Open", Btn(ToolButton::Open), Prop::Enabled, "1000", "1000"},
    {"cTBarBtn(1) Close", Btn(ToolButton::Close), Prop::Enabled, "0101", "0101"},
    {"cTBarBtn(2) Print", Btn(ToolButton::Print), Prop::Enabled, "0101", "0101"},
    {"cTBarBtn(3) First", Btn(ToolButton::FirstRecord), Prop::Enabled, "0101", "0101"},
    {"cTBarBtn(4) Previous", Btn(ToolButton::PreviousRecord), Prop::Enabled, "0101", "0101"},
    {"cTBarBtn(5) Goto", Btn(ToolButton::GotoRecord), Prop::Enabled, "0101", "0101"},
    {"cTBarBtn(6) Next", Btn(ToolButton::NextRecord), Prop::Enabled, "0101", "0101"},
    {"cTBarBtn(7) Last", Btn(ToolButton::LastRecord), Prop::Enabled, "0101", "0101"},
    {"cTBarBtn(8) Previous page", Btn(ToolButton::PreviousPage), Prop::Enabled, "0111", "0000"},
    {"cTBarBtn(9) Next page", Btn(ToolButton::NextPage), Prop::Enabled, "0111", "0000"},
    {"cTBarBtn(10) Find", Btn(ToolButton::Find), Prop::Enabled, "0101", "0101"},
    {"cTBarBtn(11) Edit", Btn(ToolButton::Edit), Prop::Enabled, "0101", "0101"},
    {"cTBarBtn(12) New", Btn(ToolButton::New), Prop::Enabled, "0101", "0101"},
    {"cTBarBtn(13) Update", Btn(ToolButton::Update), Prop::Enabled, "0010", "0010"},
    {"cTBarBtn(14) Cancel", Btn(ToolButton::Cancel), Prop::Enabled, "0010", "0010"},
    {"cTBarBtn(15) Delete", Btn(ToolButton::Delete), Prop::Enabled, "0101", "0101"},
    {"mnuOpen", Mnu(Command::Open), Prop::Enabled, "1000", "1000"},
    {"mnuClose", Mnu(Command::Close), Prop::Enabled, "0101", "0101"},
    {"mnuPack", Mnu(Command::Pack), Prop::Enabled, "0101", "0101"},
    {"mnuPrint", Mnu(Command::Print), Prop::Enabled, "0101", "0101"},
    {"mnuExport", Mnu(Command::Export), Prop::Enabled, "0101", "0101"},
    {"mnuExitProgram", Mnu(Command::Exit), Prop::Enabled, "1101", "1101"},
    {"mnuEditRecord", Mnu(Command::Edit), Prop::Enabled, "0101", "0101"},
    {"mnuUpdateRecord", Mnu(Command::Update), Prop::Enabled, "0010", "0010"},
    {"mnuCancelUpdate", Mnu(Command::Cancel), Prop::Enabled, "0010", "0010"},
    {"mnuNewRecord", Mnu(Command::New), Prop::Enabled, "0101", "0101"},
    {"mnuDuplicateRecord", Mnu(Command::Duplicate), Prop::Enabled, "0101", "0101"},
    {"mnuSearchRecord", Mnu(Command::Find), Prop::Enabled, "0101", "0101"},
    {"mnuDeleteRecord", Mnu(Command::Delete), Prop::Enabled, "0101", "0101"},
    {"mnuTime", Mnu(Command::Time), Prop::Enabled, "0010", "0010"},
    {"mnuDate", Mnu(Command::Date), Prop::Enabled, "0010", "0010"},
    {"mnuGotoRecord", Mnu(Command::GotoRecord), Prop::Enabled, "0101", "0101"},
    {"mnuFirstRecord", Mnu(Command::FirstRecord), Prop::Enabled, "0101", "0101"},
    {"mnuLastRecord", Mnu(Command::LastRecord), Prop::Enabled, "0101", "0101"},
    {"mnuNextRecord", Mnu(Command::NextRecord), Prop::Enabled, "0101", "0101"},
    {"mnuPreviousRecord", Mnu(Command::PreviousRecord), Prop::Enabled, "0101", "0101"},
    // Browsing switches the page items on or off; editing shows or hides them instead and
    // leaves the other property as it was.
    {"mnuPreviousPage enabled", Mnu(Command::PreviousPage), Prop::Enabled, "0111", "0000"},
    {"mnuPreviousPage visible", Mnu(Command::PreviousPage), Prop::Visible, "1111", "1100"},
    {"mnuNextPage enabled", Mnu(Command::NextPage), Prop::Enabled, "0111", "0000"},
    {"mnuNextPage visible", Mnu(Command::NextPage), Prop::Visible, "1111", "1100"},
    {"mnuPage", [](frmEdit& w) { return PageMenu(w)->menuAction(); }, Prop::Visible, "0111",
     "0000"},
    {"lblRecNo", [](frmEdit& w) { return RecordCaption(w); }, Prop::Visible, "0111", "0111"},
    {"mnuAction0", [](frmEdit& w) { return w.ActionsMenu()->menuAction(); }, Prop::Enabled, "0010",
     "0010"},
    {"mnuContents", Mnu(Command::Contents), Prop::Enabled, "1111", "1111"},
    {"mnuAbout", Mnu(Command::About), Prop::Enabled, "1111", "1111"},
};

char StateOf(QObject* item, Prop prop) {
    if (auto* action = qobject_cast<QAction*>(item))
        return (prop == Prop::Enabled ? action->isEnabled() : action->isVisible()) ? '1' : '0';
    auto* widget = qobject_cast<QWidget*>(item);
    return (prop == Prop::Enabled ? widget->isEnabled() : !widget->isHidden()) ? '1' : '0';
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
                states[r] += StateOf(kRows[r].item(*window), kRows[r].prop);
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

TEST_P(ModesTest, EveryItemFollowsTheModeTable) {
    const int pages = GetParam();
    std::vector<std::string> states = RunRound(pages);
    for (size_t r = 0; r < std::size(kRows); ++r)
        EXPECT_EQ(states[r], pages == 2 ? kRows[r].twoPages : kRows[r].onePage) << kRows[r].name;
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
    const std::set<std::string> writing = {
        "cTBarBtn(11) Edit", "cTBarBtn(12) New", "cTBarBtn(15) Delete", "mnuPack",
        "mnuEditRecord",     "mnuNewRecord",     "mnuDuplicateRecord",  "mnuDeleteRecord"};
    for (const Row& row : kRows) {
        const char browsing = writing.contains(row.name) ? '0' : row.twoPages[1];
        EXPECT_EQ(StateOf(row.item(*window), row.prop), browsing) << row.name;
    }
    EXPECT_EQ(RecordCaption(*window)->text(), " 1 / 3 read-only");
}

} // namespace
} // namespace tabulo::test
