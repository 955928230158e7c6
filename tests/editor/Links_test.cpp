// The labels for the user: read-only fields as links and as openers of the text viewer, the
// Goto pop-up, and the window as a screen reader and the keyboard reach it.

#include "EditorFixture.h"
#include "dialogs/QtText.h"
#include "editor/Links.h"
#include "editor/Toolbar.h"

#include <QAccessible>
#include <QMenu>
#include <QTest>

namespace tabulo::test {
namespace {

// The address, and the URL the browser or mail program finally gets: a secure address is
// not turned into "http://https//...", and mail addresses keep their scheme. Only the first
// code of the format makes a link.
TEST(ClickActionFor, WebMailAndMultiLineValues) {
    using K = ClickAction::Kind;
    const struct {
        const char* format;
        const char* caption;
        K action;
        const char* address;
        const char* url = nullptr; // not checked
    } cases[] = {
        // clang-format off
        {"W   ", "example.org/1", K::OpenAddress, "Http://example.org/1", "http://example.org/1"},
        {"W", "  example.org ", K::OpenAddress, "Http://example.org"},
        {"W", "hTtP://a.org", K::OpenAddress, "hTtP://a.org", "http://a.org"},
        {"W", "https://x.org/a", K::OpenAddress, "https://x.org/a", "https://x.org/a"},
        {"W", "Https://x.org/a?q=1", K::OpenAddress, "Https://x.org/a?q=1", "https://x.org/a?q=1"},
        {"W", "HTTPS://x.org", K::OpenAddress, "HTTPS://x.org"},
        {"W", "https:x.org", K::OpenAddress, "Http://https:x.org"},
        {"W", "httpx.org", K::OpenAddress, "Http://httpx.org"},
        {"W", "a.org\nb", K::OpenAddress, "Http://a.org\nb"},
        {"W", "   ", K::Nothing, ""},
        {"E<", "ann@a.org", K::OpenAddress, "mailto:ann@a.org", "mailto:ann@a.org"},
        {"E", "", K::Nothing, ""},
        {"AW", "two\nlines", K::ShowText, ""},
        {" W", "a.org", K::Nothing, ""},
        {"", "one line", K::Nothing, ""},
        // clang-format on
    };
    for (const auto& c : cases) {
        ClickAction a = ClickActionFor(LinkKindOf(c.format), c.caption);
        EXPECT_EQ(a.kind, c.action) << c.caption;
        EXPECT_EQ(a.address, QString(c.address)) << c.caption;
        if (c.url) {
            const QUrl url = UrlOfAddress(a.address);
            EXPECT_TRUE(url.isValid()) << c.caption;
            EXPECT_EQ(url.toString(), QString(c.url)) << c.caption;
        }
    }
}

// Web and mail fields show the hand, take the focus and open their address on a left click,
// Enter or Space; other one-line labels do none of that. A right click on a control does
// nothing; on the background it pops up the Goto menu.
TEST_F(EditorTest, LinksOpenTheirAddressAndMultiLineValuesTheViewer) {
    StartShown(ContactsDb());
    for (int slot : {kNumber, kName, kWeb, kMail}) {
        const bool link = slot == kWeb || slot == kMail;
        EXPECT_EQ(Dummy(*window, slot)->cursor().shape(), link ? Qt::BitmapCursor : Qt::ArrowCursor)
            << slot;
        EXPECT_EQ(Dummy(*window, slot)->focusPolicy(), link ? Qt::TabFocus : Qt::NoFocus) << slot;
    }
    QTest::mouseClick(Dummy(*window, kWeb), Qt::LeftButton);
    QTest::mouseClick(Dummy(*window, kMail), Qt::LeftButton);
    QTest::mouseClick(Dummy(*window, kName), Qt::LeftButton);
    QTest::mouseClick(Dummy(*window, kWeb), Qt::RightButton); // a control: no pop-up
    QTest::mouseClick(Banner(*window, 1), Qt::RightButton);
    EXPECT_FALSE(GotoMenu(*window)->isVisible());
    Dummy(*window, kWeb)->setFocus();
    QTest::keyClick(Dummy(*window, kWeb), Qt::Key_Return);
    QTest::keyClick(Dummy(*window, kWeb), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Dummy(*window, kMail));
    QTest::keyClick(Dummy(*window, kMail), Qt::Key_Space);
    const QString web = "Http://example.org/1", mail = "mailto:p1@example.org";
    EXPECT_EQ(services.opened, (std::vector<QString>{web, mail, web, mail}));
    EXPECT_TRUE(dialogs.texts.empty());
    // Only the background pops up the Goto menu.
    QTest::mouseClick(window->Form(), Qt::RightButton, {}, QPoint(450, 300));
    ASSERT_TRUE(GotoMenu(*window)->isVisible());
    GotoMenu(*window)->close();

    // A value of several lines opens in the viewer by a click or a screen reader's press.
    window->Run(Command::NextPage);
    DummyLabel* notes = Dummy(*window, kNotes);
    EXPECT_EQ(notes->focusPolicy(), Qt::TabFocus);
    EXPECT_EQ(Dummy(*window, kPhone)->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(notes, Qt::LeftButton);
    ASSERT_EQ(dialogs.texts.size(), 1u);
    const ShownText& shown = dialogs.texts[0];
    EXPECT_EQ(shown.title, "Notes");
    EXPECT_EQ(shown.text, "first line\nsecond line");
    EXPECT_EQ(shown.size, notes->size());
    EXPECT_EQ(shown.pos, QCursor::pos());
    EXPECT_EQ(shown.background, QColor(204, 255, 255));
    EXPECT_EQ(shown.foreground, QColor(128, 0, 0));
    EXPECT_EQ(shown.font.family(), notes->font().family());
    QAccessible::queryAccessibleInterface(notes)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    EXPECT_EQ(dialogs.texts.size(), 2u);
    EXPECT_EQ(services.opened.size(), 4u);
}

// The window through a screen reader's eyes (Qt's accessibility interfaces) and from the
// keyboard alone: names from the banners, what each field accepts, the Tab order. The
// calendar's keys are in FieldInput_test.

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
