// The page laid out from the header: places, sizes, fonts, colours, alignment, which
// control shows a field in each mode, the focus, the page menu and the record caption.

#include "EditorFixture.h"
#include "dialogs/QtText.h"

#include <QMenu>
#include <QTest>

namespace tabulo::test {
namespace {

TEST(AlignmentOf, CodesAreTestedInOrderEachOverridingTheOneBefore) {
    const struct {
        const char* format;
        Qt::Alignment expected;
    } cases[] = {
        {"", Qt::AlignLeft},    {"AU", Qt::AlignLeft},    {"<", Qt::AlignLeft},
        {"N>", Qt::AlignRight}, {"^", Qt::AlignHCenter},  {"<^", Qt::AlignHCenter},
        {"><", Qt::AlignRight}, {"^>", Qt::AlignHCenter}, {"<>^", Qt::AlignHCenter},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AlignmentOf(c.format), c.expected) << c.format;
}

// Browsing shows labels, as stored; editing shows text boxes in their place, with the
// field's alignment and case, which Update then stores. "#" fields stay labels.
TEST_F(EditorTest, AFieldIsATextBoxWhileEditingAndALabelWhileBrowsing) {
    StartShown(ContactsDb());
    DummyLabel* label = Dummy(*window, kCity);
    EXPECT_TRUE(label->isVisible());
    EXPECT_TRUE(Field(*window, kCity)->isHidden());
    EXPECT_EQ(label->geometry(), QRect(100, 100, 150, 21));
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(label->text(), "Rome");

    window->Run(Command::Edit);
    FieldBox* box = Field(*window, kCity);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(label->isHidden());
    EXPECT_EQ(box->geometry(), QRect(100, 100, 150, 21));
    EXPECT_EQ(box->Alignment(), Qt::AlignHCenter);
    EXPECT_EQ(box->toPlainText(), "ROME");
    EXPECT_TRUE(Dummy(*window, kNumber)->isVisible());
    EXPECT_TRUE(Field(*window, kNumber)->isHidden());
    window->Run(Command::Update);
    EXPECT_EQ(label->text(), "ROME");

    // The caption counts the records another copy added. Form2Record takes what the boxes
    // hold, line breaks included, and never a label's text.
    RecordingReporter otherReporter;
    modDB other(otherReporter, faults);
    ASSERT_EQ(other.OpenDatabase(FilePath(dir.File("Contacts"))), 1);
    other.ClearRecord();
    ASSERT_EQ(other.AddRecord(), 1);
    window->Run(Command::NextPage);
    EXPECT_EQ(RecordCaption(*window)->text(), " 1 / 4");
    EXPECT_EQ(Dummy(*window, kNotes)->text(), "first line\nsecond line");
    Dummy(*window, kNotes)->setText("changed");
    window->Form2Record();
    window->Run(Command::PreviousPage);
    window->Run(Command::Edit);
    Field(*window, kName)->SetText("Ann\r\nLee");
    window->Form2Record();
    std::string notes, name;
    db.ReadField(kNotes, notes);
    db.ReadField(kName, name);
    EXPECT_EQ(notes, "first line\r\nsecond line");
    EXPECT_EQ(name, "Ann\r\nLee");
}

// Fields and banners past the header's counts are never shown (slot 7 of 5 fields; banner
// slot 3 free, so 3 in use); a page without fields shows none and focuses none.
TEST_F(EditorTest, SlotsBeyondTheCountsAndAPageWithoutFields) {
    TestDb form;
    for (int f : {1, 2, 7})
        form.SetField(f, FieldAt(2, {10, 30 + 25 * f, 100, 20}, 5, "", 5 * f - 4));
    form.MutableHeader().FieldCount = 5;
    form.AddBanner("one").AddBanner("two").AddBanner("free").AddBanner("four");
    form.MutableHeader().Banners[2].Page = 0;
    form.SetRecordLength(40).AddRecord({"a", "b", "", "", "", "", "g"});
    StartShown(form);
    for (int b = 1; b <= 4; ++b)
        EXPECT_EQ(Banner(*window, b)->isHidden(), b > 2) << b;
    window->Run(Command::Edit);
    EXPECT_TRUE(Field(*window, 1)->isHidden());
    EXPECT_TRUE(Dummy(*window, 1)->isHidden());
    EXPECT_EQ(qobject_cast<FieldBox*>(QApplication::focusWidget()), nullptr);
    window->Run(Command::Cancel);
    window->Run(Command::NextPage);
    EXPECT_FALSE(Dummy(*window, 1)->isHidden());
    EXPECT_TRUE(Dummy(*window, 7)->isHidden());
}

// Labels and banners take the header's fonts and colours; the page menu lists the headings
// of the pages in use.
TEST_F(EditorTest, FontsColoursAndThePageMenu) {
    TestDb form = ContactsDb();
    form.AddBanner("third", 3).SetPageHeading(3, "Extra");
    ASSERT_TRUE(Start(Create(form)));
    DummyLabel* name = Dummy(*window, kName); // its colours: see the text viewer's test
    EXPECT_EQ(name->font().family(), "Arial");
    EXPECT_EQ(name->font().pointSize(), 10);
    QLabel* title = Banner(*window, 1);
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    EXPECT_EQ(title->palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(title->font().pointSize(), 14);
    EXPECT_EQ(title->size(), title->sizeHint()); // sized to its caption
    EXPECT_EQ(PageMenu(*window)->title(), "Address");
    for (int p = 1; p <= 8; ++p)
        EXPECT_EQ(PageHeading(*window, p)->isVisible(), p <= 3) << p;
    EXPECT_EQ(PageHeading(*window, 3)->text(), "Extra");
}

} // namespace
} // namespace tabulo::test
