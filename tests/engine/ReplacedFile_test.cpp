// Every write of the engine after the database stopped being the file this copy opened (a
// pack in another process, with or without a second name for the old file; a file of
// another form put in its place or written over it): the write goes to the file now at the
// path, or is refused with its message, and never into the old file.

#include "PackFixture.h"
#include "ReplacedFile.h"
#include "engine/DbAccess.h"

namespace {

using namespace tabulo;
using namespace tabulo::test;

struct Writer {
    const char* what;
    int (modDB::*write)();
    const char* title;
    bool renumbers; // writes an existing record, whose number a pack may have changed
};

const Writer kWriters[] = {
    {"Rewrite", &modDB::WriteRecord, "WriteRecord", true},
    {"Delete", &modDB::DeleteRecord, "DeleteRecord", true},
    {"Append", &modDB::AddRecord, "AddRecord", false},
};

class ReplacedFile : public PackTest,
                     public ::testing::WithParamInterface<std::tuple<ReplacedCase, Writer>> {};

// Record 3 ("Three") is record 2 after a pack: a rewrite or a deletion of "record 3" is
// refused and the database reopened, an append goes to the packed file. A file of another
// form is never written.
TEST_P(ReplacedFile, TheWriteGoesToTheFileAtThePathOrIsRefused) {
    const auto& [replaced, writer] = GetParam();
    const std::string base = Open(FiveRecords());
    engine.SetRecordNo(3);
    engine.WriteField(2, "X");
    ReplaceDatabase(base, replaced.how, FiveRecords());
    const std::string now = FileBytes(base);

    const int result = (engine.*writer.write)();

    const bool written = replaced.sameForm && !writer.renumbers;
    EXPECT_EQ(result, written ? 1 : 0);
    std::vector<RecordedMessage> said;
    if (!written) said.push_back({writer.title, replaced.sameForm ? kPackedByOther : kFormChanged});
    EXPECT_EQ(reporter.messages, said);
    if (*replaced.oldFileExtension) {
        EXPECT_EQ(ReadFileBytes(base + replaced.oldFileExtension), FiveRecords().Bytes())
            << "the old file is never written";
    }
    if (written) {
        TestDb appended = PackedFiveRecords();
        appended.AddRecord({"Three", "X"});
        EXPECT_EQ(FileBytes(base), appended.Bytes());
        EXPECT_EQ(engine.GetRecordNo(), 4);
    } else {
        EXPECT_EQ(FileBytes(base), now);
    }
    if (replaced.sameForm && writer.renumbers) {
        EXPECT_EQ(engine.GetRecordNo(), 1) << "reopened at its first record";
        EXPECT_EQ(engine.GetRecordBuffer(), PackedFiveRecords().RecordText({"One", "A"}));
    }
}

INSTANTIATE_TEST_SUITE_P(EachWriter, ReplacedFile,
                         ::testing::Combine(::testing::ValuesIn(kReplacedCases),
                                            ::testing::ValuesIn(kWriters)),
                         [](const auto& row) {
                             return std::string(std::get<0>(row.param).what) +
                                    std::get<1>(row.param).what;
                         });

// A copy that found the form changed keeps the file it opened and refuses every later write
// too, until the database is closed and opened again.
TEST_F(PackTest, AChangedFormIsRefusedUntilTheDatabaseIsOpenedAgain) {
    const std::string base = Open(FiveRecords());
    ReplaceDatabase(base, Replacement::OtherFormPut, FiveRecords());
    const std::string otherForm = FileBytes(base);
    EXPECT_EQ(engine.AddRecord(), 0);
    EXPECT_EQ(engine.WriteRecord(), 0);
    reporter.AnswerNext(true);
    EXPECT_EQ(engine.PackRecords(progress), 0);
    EXPECT_EQ(reporter.messages, (std::vector<RecordedMessage>{{"AddRecord", kFormChanged},
                                                               {"WriteRecord", kFormChanged},
                                                               {"Pack Database", kFormChanged}}));
    EXPECT_EQ(FileBytes(base), otherForm);
    EXPECT_EQ(LeftOver(base), "");

    engine.CloseDatabase();
    ASSERT_EQ(engine.OpenDatabase(FilePath(base)), 1);
    EXPECT_EQ(engine.AddRecord(), 1);
}

} // namespace
