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
// and says what it accepts; labels and boxes give their value, and links are links. The
// toolbar pictures have names, and Tab follows the form row by row from the left.
TEST_F(EditorTest, FieldsAndPicturesAreNamedAndTabFollowsTheForm) {
    TestDb contacts = ContactsDb();
    contacts.SetField(8, FieldAt(1, {100, 190, 90, 21}, 10, "D!", 211, "Born"));
    contacts.SetRecordLength(221);
    // Mail moves up beside Name: slot order and reading order now differ.
    contacts.SetField(kMail, FieldAt(1, {320, 72, 150, 21}, 40, "E", 96, "Mail"));
    StartShown(contacts);
    EXPECT_EQ(window->Form()->accessibleName(), "Address");
    const struct {
        bool editing; // a text box, else a label
        int slot;
        QAccessible::Role role;
        const char* name;
        const char* value;
        const char* description;
    } cases[] = {
        {false, kNumber, QAccessible::StaticText, "No.", "1",
         "record number, given when the record is first saved"},
        {false, kName, QAccessible::StaticText, "Name", "Person 1",
         "any text; up to 30 characters"},
        {false, kWeb, QAccessible::Link, "Web", "example.org/1",
         "web address; up to 40 characters"},
        {true, kName, QAccessible::EditableText, "Name", "Person 1",
         "any text; up to 30 characters"},
        {true, 8, QAccessible::EditableText, "Born", "",
         "date, DD/MM/YYYY; up to 10 characters; required"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.editing && window->Mode() != WindowMode::Editing) window->Run(Command::Edit);
        QAccessibleInterface* face = Face(c.editing ? static_cast<QWidget*>(Field(*window, c.slot))
                                                    : Dummy(*window, c.slot));
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), c.role);
        EXPECT_EQ(face->text(QAccessible::Name), c.name);
        EXPECT_EQ(face->text(QAccessible::Value), c.value);
        EXPECT_EQ(face->text(QAccessible::Description), c.description);
        ASSERT_NE(face->textInterface(), nullptr);
        EXPECT_EQ(face->textInterface()->text(0, 4), QString(c.value).left(4));
    }
    const std::pair<ToolButton, const char*> pictures[] = {{ToolButton::Open, "Open"},
                                                           {ToolButton::GotoRecord, "Go to Record"},
                                                           {ToolButton::Update, "Update"}};
    for (const auto& [button, name] : pictures) {
        QAccessibleInterface* face = Face(ToolbarButton(*window, button));
        EXPECT_EQ(face->role(), QAccessible::Button);
        EXPECT_EQ(face->text(QAccessible::Name), name);
    }
    // Tab follows the form row by row from the left.
    ASSERT_EQ(QApplication::focusWidget(), Field(*window, kName));
    std::vector<QWidget*> visited;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(visited, (std::vector<QWidget*>{Field(*window, kMail), Field(*window, kCity),
                                              Field(*window, kWeb), Field(*window, 8),
                                              Field(*window, kName)}));
}

} // namespace
} // namespace tabulo::test
