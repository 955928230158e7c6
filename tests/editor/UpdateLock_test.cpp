// Update while another copy of the program works on the file: a lock held for a moment is
// waited for; one held longer fails the save, and the window stays in edit mode with what was
// typed until Update is pressed again; a rewrite that another copy's pack made impossible
// returns to browse mode on the reopened database.

#include "RecordsFixture.h"
#include "engine/DbFile.h"

namespace tabulo::test {
namespace {

using Messages = std::vector<RecordedMessage>;

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
    auto other = DbFile::Open(path + ".Tbd");
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
INSTANTIATE_TEST_SUITE_P(NewAndEdited, UpdateWhileLocked,
                         ::testing::Values(HeldSave{"HeldForAMoment", Qt::Key_F8, 3, 2},
                                           HeldSave{"New", Qt::Key_F8, 3, 0, "AddRecord"},
                                           HeldSave{"Edited", Qt::Key_F2, 1, 0, "WriteRecord"}),
                         [](const auto& row) { return std::string(row.param.what); });

TEST_F(RecordsTest, UpdateOfARecordThatAnotherCopysPackRenumberedIsRefused) {
    TestDb form = OrdersDb(0);
    form.AddDeletedRecord({" 1", "Gone"}).AddRecord({" 2", "Kept"});
    OpenShown(form);
    RecordingReporter otherReporter;
    modDB other(otherReporter);
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
