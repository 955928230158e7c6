// The data-entry window through a screen reader's eyes (Qt's accessibility interfaces) and
// from the keyboard alone: names from the banners, what each field accepts, the Tab order.
// Links from the keyboard are in Links_test, the calendar's keys in FieldInput_test.

#include "EditorFixture.h"
#include "editor/Toolbar.h"

#include <QAccessible>
#include <QTest>
#include <QToolButton>

namespace tabulo::test {
namespace {

QAccessibleInterface* Face(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

// A field is named by the banner to its left ("No." for Number), else by its own name (Born),
// and says what it accepts; labels give their value, and links are links.
TEST_F(EditorTest, FieldsAreNamedAndSayWhatTheyAccept) {
    TestDb contacts = ContactsDb();
    contacts.SetField(8, FieldAt(1, {100, 190, 90, 21}, 10, "D!", 211, "Born"));
    contacts.SetRecordLength(221);
    StartShown(contacts);
    const struct {
        int slot;
        QAccessible::Role role;
        const char* name;
        const char* value;
        const char* description;
    } labels[] = {
        {kNumber, QAccessible::StaticText, "No.", "1",
         "record number, given when the record is first saved"},
        {kName, QAccessible::StaticText, "Name", "Person 1", "any text; up to 30 characters"},
        {kWeb, QAccessible::Link, "Web", "example.org/1", "web address; up to 40 characters"},
    };
    for (const auto& c : labels) {
        QAccessibleInterface* face = Face(Dummy(*window, c.slot));
        ASSERT_NE(face, nullptr) << c.name;
        EXPECT_EQ(face->role(), c.role) << c.name;
        EXPECT_EQ(face->text(QAccessible::Name), c.name);
        EXPECT_EQ(face->text(QAccessible::Value), c.value) << c.name;
        EXPECT_EQ(face->text(QAccessible::Description), c.description) << c.name;
        ASSERT_NE(face->textInterface(), nullptr) << c.name;
        EXPECT_EQ(face->textInterface()->text(0, 4), QString(c.value).left(4)) << c.name;
    }
    EXPECT_EQ(window->Form()->accessibleName(), "Address");
    window->Run(Command::Edit);
    const struct {
        int slot;
        const char* name;
        const char* description;
    } boxes[] = {
        {kName, "Name", "any text; up to 30 characters"},
        {8, "Born", "date, DD/MM/YYYY; up to 10 characters; required"},
    };
    for (const auto& c : boxes) {
        QAccessibleInterface* face = Face(Field(*window, c.slot));
        EXPECT_EQ(face->role(), QAccessible::EditableText) << c.name;
        EXPECT_EQ(face->text(QAccessible::Name), c.name);
        EXPECT_EQ(face->text(QAccessible::Description), c.description) << c.name;
    }
}

TEST_F(EditorTest, TabFollowsTheFormRowByRowFromTheLeft) {
    TestDb contacts = ContactsDb();
    // Mail moves up beside Name: slot order and reading order now differ.
    contacts.SetField(kMail, FieldAt(1, {320, 72, 150, 21}, 40, "E", 96, "Mail"));
    StartShown(contacts);
    window->Run(Command::Edit);
    ASSERT_EQ(QApplication::focusWidget(), Field(*window, kName));
    std::vector<QWidget*> visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(visited, (std::vector<QWidget*>{Field(*window, kMail), Field(*window, kCity),
                                              Field(*window, kWeb), Field(*window, kName)}));
}

TEST_F(EditorTest, ToolbarPicturesHaveNames) {
    ASSERT_TRUE(Start(Create(ContactsDb())));
    const struct {
        ToolButton button;
        const char* name;
    } cases[] = {{ToolButton::Open, "Open"},
                 {ToolButton::GotoRecord, "Go to Record"},
                 {ToolButton::Update, "Update"}};
    for (const auto& c : cases) {
        QAccessibleInterface* face = Face(ToolbarButton(*window, c.button));
        EXPECT_EQ(face->role(), QAccessible::Button);
        EXPECT_EQ(face->text(QAccessible::Name), c.name);
    }
}

} // namespace
} // namespace tabulo::test
