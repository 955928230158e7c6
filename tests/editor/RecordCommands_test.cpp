// The record commands as a user drives them: keys, toolbar and menu, and the file's bytes
// afterwards; Update while another copy of the program works on the file.

#include "ModalDriver.h"
#include "RecordsFixture.h"
#include "browse/BrowseGrid.h"
#include "engine/DbFile.h"

#include <QToolButton>

namespace tabulo::test {
namespace {

using Messages = std::vector<RecordedMessage>;

TEST_F(RecordsTest, NewRecordTypedOnTwoPagesIsAppendedWithItsNumber) {
    OpenShown(OrdersDb(2));
    Key(Qt::Key_F8);
    EXPECT_EQ(window->Mode(), WindowMode::Editing);
    EXPECT_EQ(RecordCaption(*window)->text(), "NEW");
    EXPECT_EQ(Focused(), Field(*window, kCustomer)) << "the first box of page 1";
    Type(kCustomer, "Anna Maria Rossi"); // cut to the field's 12 characters
    Type(kTown, "rome");
    Key(Qt::Key_N, Qt::ControlModifier);
    Type(kBorn, "05/03/2024");
    Type(kQty, "42.5");
    Key(Qt::Key_F6);

    EXPECT_EQ(reporter.messages, Messages{});
    EXPECT_EQ(script.ran.back(), "Update");
    EXPECT_EQ(window->Mode(), WindowMode::Browsing);
    EXPECT_FALSE(window->AddFlag());
    EXPECT_EQ(RecordCaption(*window)->text(), " 3 / 3");
    EXPECT_EQ(FileBytes(),
              OrdersDb(2)
                  .AddRecord({" 3", "Anna Maria R", "", "ROME", "05/03/2024", "", "42.5"})
                  .Bytes());
    EXPECT_EQ(window->CurPage(), 2) << "the page stays";
    Key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(FieldText(kNo), "3");
}

// Edit rewrites the record in place and keeps its number; Duplicate copies the values into
// a new record but neither the number nor the read-only code; Cancel after New shows the
// record of before. The whole file is compared at the end.
TEST_F(RecordsTest, EditDuplicateAndACancelledNew) {
    OpenShown(OrdersDb(2));
    Key(Qt::Key_F2);
    Type(kCustomer, "Bea", true);
    Key(Qt::Key_F6);
    EXPECT_EQ(RecordCaption(*window)->text(), " 1 / 2");
    Key(Qt::Key_F9);
    EXPECT_EQ(FieldText(kNo), "") << "no number until it is saved";
    Key(Qt::Key_F6);
    Key(Qt::Key_F8);
    Type(kCustomer, "Dropped");
    Key(Qt::Key_F7);
    EXPECT_EQ(RecordCaption(*window)->text(), " 3 / 3");
    EXPECT_EQ(FieldText(kCustomer), "Bea");
    EXPECT_FALSE(window->AddFlag());
    TestDb expected = OrdersDb(0);
    expected.AddRecord({" 1", "Bea", "C1", "ROME", "01/01/2000", "08:30:00", "1"});
    expected.AddRecord({" 2", "Client 2", "C2", "ROME", "01/01/2000", "08:30:00", "2"});
    expected.AddRecord({" 3", "Bea", "", "ROME", "01/01/2000", "08:30:00", "1"});
    EXPECT_EQ(FileBytes(), expected.Bytes());
}

// A failing check shows its message, turns to the field's page, focuses its box and keeps the
// value there for correcting; the script's Update does not run and nothing is written. Each
// failing field is left on the page the user is not looking at, so the turn shows. The texts
// of every check are the rules' (UpdateChecks_test); here one check a page, and the required
// field that a deleted text leaves empty.
TEST_F(RecordsTest, AFailingCheckTurnsToItsFieldAndWritesNothing) {
    OpenShown(OrdersDb(2));
    const std::string before = FileBytes();
    auto expectFailure = [&](int slot, int page, const std::string& text, const char* kept) {
        script.ran.clear();
        reporter.Clear();
        Key(Qt::Key_F6);
        EXPECT_EQ(reporter.messages, (Messages{{"UPDATE", text, MsgIcon::Critical}}));
        EXPECT_EQ(window->CurPage(), page);
        EXPECT_EQ(Focused(), Field(*window, slot));
        EXPECT_EQ(Box(slot), kept);
        EXPECT_EQ(window->Mode(), WindowMode::Editing);
        EXPECT_TRUE(script.ran.empty());
    };
    Key(Qt::Key_F2);
    Key(Qt::Key_N, Qt::ControlModifier);
    Type(kBorn, "31/02/2024", true);
    Key(Qt::Key_P, Qt::ControlModifier);
    expectFailure(kBorn, 2, "Field: Born, Invalid date. (DD/MM/YYYY or MM/DD/YYYY)", "31/02/2024");
    Type(kBorn, "01/02/2024", true);
    Key(Qt::Key_P, Qt::ControlModifier);
    Type(kCustomer, "", true);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_N, Qt::ControlModifier);
    expectFailure(kCustomer, 1, "Field: Customer, Cannot be empty", "");
    EXPECT_EQ(FileBytes(), before);
}

// An empty file shows " 0 / 0" and Goto, Find and Print open nothing. The script can refuse
// an update until it agrees; the first record is number 1.
TEST_F(RecordsTest, AnEmptyFileAndAnUpdateTheScriptRefusesUntilItAgrees) {
    OpenShown(OrdersDb(0));
    EXPECT_EQ(RecordCaption(*window)->text(), " 0 / 0");
    EXPECT_EQ(FieldText(kCustomer), "");
    for (Command c : {Command::GotoRecord, Command::Find, Command::Print})
        window->Run(c);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    const std::string before = FileBytes();
    script.veto = -1;
    Key(Qt::Key_F8);
    Type(kCustomer, "Ugo");
    Key(Qt::Key_F6);
    EXPECT_EQ(window->Mode(), WindowMode::Editing);
    EXPECT_TRUE(window->AddFlag());
    EXPECT_EQ(Box(kCustomer), "Ugo");
    EXPECT_EQ(FileBytes(), before);
    script.veto = 0;
    Key(Qt::Key_F6);
    EXPECT_EQ(std::count(script.ran.begin(), script.ran.end(), "Update"), 2);
    EXPECT_EQ(StoredRecord(1).substr(0, 18), "  1   Ugo         ");
    EXPECT_EQ(RecordCaption(*window)->text(), " 1 / 1");
    EXPECT_EQ(reporter.messages, Messages{});
}

// Delete asks first, then marks the record. The script's "no deleting" also switches Pack
// off, but Delete stays on to say so.
TEST_F(RecordsTest, DeleteAsksThenMarksTheRecordUnlessTheScriptForbidsIt) {
    OpenShown(OrdersDb(2));
    QToolButton* deleteButton = ToolbarButton(*window, ToolButton::Delete);
    QTest::mouseClick(deleteButton, Qt::LeftButton); // answered No
    EXPECT_EQ(reporter.questions,
              (std::vector<RecordedQuestion>{
                  {"DELETE", "This will mark the record for permanent deletion,\r\nAre you sure?",
                   MsgIcon::Critical, true}}));
    EXPECT_EQ(StoredRecord(1)[0], ' ');
    reporter.AnswerNext(true);
    QTest::mouseClick(deleteButton, Qt::LeftButton);
    EXPECT_EQ(StoredRecord(1)[0], '*');
    EXPECT_EQ(RecordCaption(*window)->text(), " 1 / 2*");
    EXPECT_EQ(db.GetRecordNo(), 1);
    EXPECT_EQ(reporter.messages, Messages{});

    const std::string before = FileBytes();
    window->SetDeleteEnabled(false);
    window->BrowseMode();
    EXPECT_FALSE(Item(Command::Pack)->isEnabled());
    reporter.Clear();
    reporter.AnswerNext(true);
    QTest::mouseClick(deleteButton, Qt::LeftButton);
    EXPECT_EQ(reporter.messages,
              (Messages{{"Delete Record", "Deletion is not allowed", MsgIcon::Critical}}));
    EXPECT_TRUE(reporter.questions.empty());
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(RecordsTest, GotoRecordMakesThePickedRecordCurrent) {
    OpenShown(OrdersDb(3));
    WhenModalOpens([](QWidget* modal) {
        BrowseGrid* grid = modal->findChild<BrowseGrid*>();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return})
            QTest::keyClick(grid, key);
    });
    Key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(window->SelectedRecord(), 3);
    EXPECT_EQ(RecordCaption(*window)->text(), " 3 / 3");
    EXPECT_EQ(FieldText(kCustomer), "Client 3");

    WhenModalOpens([](QWidget* modal) { modal->close(); });
    Item(Command::GotoRecord)->trigger();
    EXPECT_EQ(window->SelectedRecord(), 0);
    EXPECT_EQ(db.GetRecordNo(), 3) << "closed without a pick: nothing changes";
}

// Update while another copy of the program works on the file: a lock held for a moment is
// waited for; one held longer fails the save, and the window stays in edit mode with what was
// typed until Update is pressed again; a rewrite that another copy's pack made impossible
// returns to browse mode on the reopened database.

struct HeldSave {
    const char* what;
    Qt::Key start; // F8 New or F2 Edit
    long savedAs;  // the record that the save writes
    // The try for the lock at which the other copy lets it go, or 0: it keeps it, so the
    // first Update fails with this title and the second goes through.
    int releasedAt;
    const char* failedTitle = "";
};

class UpdateWhileLocked : public RecordsTest, public ::testing::WithParamInterface<HeldSave> {};

TEST_P(UpdateWhileLocked, SavesOnceTheLockIsFree) {
    const HeldSave& c = GetParam();
    OpenShown(OrdersDb(2));
    const std::string before = FileBytes();
    auto other = DbFile::Open(faults, path + ".Tbd");
    ASSERT_TRUE(other && other->TryLockByte0());
    Key(c.start);
    Type(kCustomer, "Typed", true);
    int tries = 0;
    faults.WatchSteps([&](FileStep step, long) {
        if (step == FileStep::Lock && ++tries == c.releasedAt) other->UnlockByte0();
    });
    Key(Qt::Key_F6);
    faults.WatchSteps({});
    if (c.releasedAt == 0) {
        EXPECT_EQ(reporter.messages, (Messages{{c.failedTitle, "Unexpected Error"}}));
        EXPECT_EQ(window->Mode(), WindowMode::Editing);
        EXPECT_EQ(window->AddFlag(), c.start == Qt::Key_F8);
        EXPECT_EQ(Box(kCustomer), "Typed");
        EXPECT_EQ(FileBytes(), before);
        other->UnlockByte0();
        reporter.Clear();
        Key(Qt::Key_F6);
    }
    EXPECT_GE(tries, c.releasedAt) << "a lock held for a moment is waited for";
    EXPECT_EQ(reporter.messages, Messages{});
    EXPECT_EQ(window->Mode(), WindowMode::Browsing);
    EXPECT_FALSE(window->AddFlag());
    EXPECT_EQ(StoredRecord(c.savedAs).substr(6, 12), "Typed       ");
}

// The other copy lets a lock go just before the save tries for it a second time: the save
// has found it busy once, and waited. One held longer fails the save.
INSTANTIATE_TEST_SUITE_P(HeldLocks, UpdateWhileLocked,
                         ::testing::Values(HeldSave{"HeldForAMoment", Qt::Key_F8, 3, 2},
                                           HeldSave{"New", Qt::Key_F8, 3, 0, "AddRecord"},
                                           HeldSave{"Edited", Qt::Key_F2, 1, 0, "WriteRecord"}),
                         [](const auto& row) { return std::string(row.param.what); });

TEST_F(RecordsTest, UpdateOfARecordThatAnotherCopysPackRenumberedIsRefused) {
    TestDb form = OrdersDb(0);
    form.AddDeletedRecord({" 1", "Gone"}).AddRecord({" 2", "Kept"});
    OpenShown(form);
    RecordingReporter otherReporter;
    modDB other(otherReporter, faults);
    ASSERT_EQ(other.OpenDatabase(FilePath(path)), 1);
    otherReporter.AnswerNext(true);
    RecordingProgress progress;
    ASSERT_EQ(other.PackRecords(progress), 1);
    const std::string packed = FileBytes();

    Key(Qt::Key_F2); // record 1, "Gone", which the pack removed
    Type(kCustomer, "Lost?", true);
    Key(Qt::Key_F6);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].title, "WriteRecord");
    EXPECT_EQ(window->Mode(), WindowMode::Browsing);
    EXPECT_EQ(RecordCaption(*window)->text(), " 1 / 1");
    EXPECT_EQ(FieldText(kCustomer), "Kept");
    EXPECT_EQ(FileBytes(), packed);
}

} // namespace
} // namespace tabulo::test
