// Moving through records and pages with the keys, the toolbar and the page menu.

#include "EditorFixture.h"
#include "dialogs/QtText.h"

#include <QMenu>
#include <QTest>
#include <QToolButton>

namespace tabulo::test {
namespace {

class NavigationTest : public EditorTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Start(Create(ContactsDb(3))));
        Show();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(window.get(), key, modifiers);
    }
    void Click(int button) { QTest::mouseClick(window->ToolbarButton(button), Qt::LeftButton); }
};

TEST_F(NavigationTest, RecordsByKeysAndToolbar) {
    Key(Qt::Key_L);
    EXPECT_EQ(window->RecordCaption()->text(), " 3 / 3");
    EXPECT_EQ(FieldText(kName), "Person 3");
    Click(6); // next, at the last record: nothing
    EXPECT_EQ(db.GetRecordNo(), 3);
    Click(4); // previous
    EXPECT_EQ(FieldText(kName), "Person 2");
    Key(Qt::Key_F);
    EXPECT_EQ(FieldText(kName), "Person 1");
    Click(4); // previous, at the first record: nothing
    EXPECT_EQ(db.GetRecordNo(), 1);
    Click(6);
    EXPECT_EQ(window->RecordCaption()->text(), " 2 / 3");
    Click(7);
    Click(3);
    EXPECT_EQ(db.GetRecordNo(), 1);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(NavigationTest, PagesByKeysToolbarAndPageMenu) {
    Key(Qt::Key_N);
    EXPECT_EQ(window->CurPage(), 2);
    EXPECT_EQ(window->PageMenu()->title(), "More");
    EXPECT_TRUE(window->Dummy(kNotes)->isVisible());
    EXPECT_TRUE(window->Dummy(kName)->isHidden());
    EXPECT_TRUE(window->Banner(1)->isHidden());
    Click(9); // next page on the last page: nothing
    EXPECT_EQ(window->CurPage(), 2);
    Key(Qt::Key_P);
    EXPECT_EQ(window->CurPage(), 1);
    Click(8); // previous page on page 1: nothing
    EXPECT_EQ(window->CurPage(), 1);
    window->PageHeading(2)->trigger();
    EXPECT_EQ(window->CurPage(), 2);
    window->PageHeading(2)->trigger();
    EXPECT_EQ(window->CurPage(), 2);
    Click(8);
    EXPECT_EQ(window->CurPage(), 1);
}

TEST_F(NavigationTest, TypedValuesSurviveAPageTurn) {
    Key(Qt::Key_F2, Qt::NoModifier);
    FieldBox* name = window->Field(kName);
    name->selectAll();
    QTest::keyClicks(name, "Zoe");
    window->PageHeading(2)->trigger();
    EXPECT_TRUE(window->Field(kPhone)->isVisible());
    Key(Qt::Key_P);
    EXPECT_EQ(window->Field(kName)->toPlainText(), "Zoe");
    Key(Qt::Key_F7, Qt::NoModifier); // Cancel drops it
    EXPECT_EQ(FieldText(kName), "Person 1");
}

TEST_F(NavigationTest, HelpMenuItemsReachTheirWindows) {
    window->MenuItem(Command::About)->trigger();
    window->MenuItem(Command::Contents)->trigger();
    EXPECT_EQ(services.aboutShown, 1);
    EXPECT_EQ(services.helpShown, 1);
}

} // namespace
} // namespace tabulo::test
