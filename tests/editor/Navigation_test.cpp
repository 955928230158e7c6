// Moving through records and pages with the keys, the toolbar and the page menu; the Help
// menu's items.

#include "EditorFixture.h"
#include "dialogs/QtText.h"

#include <QMenu>
#include <QTest>
#include <QToolButton>

namespace tabulo::test {
namespace {

class NavigationTest : public EditorTest {
protected:
    void SetUp() override { StartShown(ContactsDb(3)); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(window.get(), key, modifiers);
    }
    void Click(ToolButton button) {
        QTest::mouseClick(ToolbarButton(*window, button), Qt::LeftButton);
    }
};

TEST_F(NavigationTest, RecordsAndPagesByKeysToolbarAndPageMenuThenHelp) {
    Key(Qt::Key_L);
    EXPECT_EQ(RecordCaption(*window)->text(), " 3 / 3");
    EXPECT_EQ(FieldText(kName), "Person 3");
    Click(ToolButton::NextRecord); // at the last record: nothing
    EXPECT_EQ(db.GetRecordNo(), 3);
    Click(ToolButton::PreviousRecord);
    EXPECT_EQ(FieldText(kName), "Person 2");
    Key(Qt::Key_F);
    EXPECT_EQ(FieldText(kName), "Person 1");
    Click(ToolButton::PreviousRecord); // at the first record: nothing
    EXPECT_EQ(db.GetRecordNo(), 1);
    Click(ToolButton::NextRecord);
    EXPECT_EQ(RecordCaption(*window)->text(), " 2 / 3");
    Click(ToolButton::LastRecord);
    Click(ToolButton::FirstRecord);
    EXPECT_EQ(db.GetRecordNo(), 1);
    EXPECT_TRUE(reporter.messages.empty());

    Key(Qt::Key_N);
    EXPECT_EQ(window->CurPage(), 2);
    EXPECT_EQ(PageMenu(*window)->title(), "More");
    EXPECT_TRUE(Dummy(*window, kNotes)->isVisible());
    EXPECT_TRUE(Dummy(*window, kName)->isHidden());
    EXPECT_TRUE(Banner(*window, 1)->isHidden());
    Click(ToolButton::NextPage); // on the last page: nothing
    EXPECT_EQ(window->CurPage(), 2);
    Key(Qt::Key_P);
    EXPECT_EQ(window->CurPage(), 1);
    Click(ToolButton::PreviousPage); // on page 1: nothing
    EXPECT_EQ(window->CurPage(), 1);
    PageHeading(*window, 2)->trigger();
    EXPECT_EQ(window->CurPage(), 2);
    PageHeading(*window, 2)->trigger();
    EXPECT_EQ(window->CurPage(), 2);
    Click(ToolButton::PreviousPage);
    EXPECT_EQ(window->CurPage(), 1);

    // The Help menu's items reach their windows.
    MenuItem(*window, Command::About)->trigger();
    MenuItem(*window, Command::Contents)->trigger();
    EXPECT_EQ(services.aboutShown, 1);
    EXPECT_EQ(services.helpShown, 1);
}

} // namespace
} // namespace tabulo::test
