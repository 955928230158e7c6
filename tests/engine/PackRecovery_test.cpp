// Opening a database whose pack was cut short: each state a pack can leave (and the states an
// older pack that renamed the database away could leave) is repaired without loss, and the
// open says what it did. (Files that a running pack still works on: PackShared_test.)

#include "PackFixture.h"

namespace {

using namespace tabulo;
using namespace tabulo::test;

enum class Content { None, Old, Packed, Earlier, CutShort };

struct Leftovers {
    const char* what;
    Content database, work, oldCopy, backup;
    Content databaseAfter, backupAfter;
    const char* note; // a part of the open's message; "" when it says nothing
};

std::string Bytes(Content c) {
    std::string cutShort = PackedFiveRecords().Bytes(); // header counting 0, two records written
    PutLong(cutShort, 0, 0);
    cutShort.resize(cutShort.size() - 5);
    const std::string inOrderOfContent[] = {"", FiveRecords().Bytes(), PackedFiveRecords().Bytes(),
                                            "an earlier backup", cutShort};
    return inOrderOfContent[static_cast<int>(c)];
}

using C = Content;
// clang-format off
const Leftovers kCases[] = {
    {"work file cut short", C::Old, C::CutShort, C::None, C::Earlier, C::Old, C::Earlier, "unfinished files"},
    {"killed while copying the old file", C::Old, C::Packed, C::CutShort, C::Earlier, C::Old, C::Earlier, "unfinished files"},
    {"killed after the swap", C::Packed, C::None, C::Old, C::Earlier, C::Packed, C::Old, "kept as"},
    {"renamed away, work file complete", C::None, C::Packed, C::None, C::Old, C::Packed, C::Old, "was missing"},
    {"renamed away, work file cut short", C::None, C::CutShort, C::None, C::Old, C::Old, C::None, "unfinished files"},
    {"only the backup left", C::None, C::None, C::None, C::Old, C::Old, C::None, "was missing"},
    {"nothing left", C::None, C::None, C::None, C::None, C::None, C::None, " not found!"},
};
// clang-format on

class PackRecovery : public PackTest, public ::testing::WithParamInterface<Leftovers> {
protected:
    void Put(const std::string& path, Content c) {
        if (c != Content::None) WriteFileBytes(path, Bytes(c));
    }
};

TEST_P(PackRecovery, OpenRepairsWithoutLossAndSaysWhatItDid) {
    const Leftovers& c = GetParam();
    const std::string base = dir.File("Test");
    Put(base + ".Tbd", c.database);
    Put(base + ".TbB", c.work);
    Put(base + ".TbO", c.oldCopy);
    Put(base + ".Bak", c.backup);

    EXPECT_EQ(engine.OpenDatabase(FilePath(base)), c.databaseAfter == Content::None ? 0 : 1);
    EXPECT_EQ(FileBytes(base), Bytes(c.databaseAfter));
    EXPECT_EQ(ReadFileBytes(base + ".Bak"), Bytes(c.backupAfter));
    EXPECT_EQ(LeftOver(base), "");
    std::string said;
    for (const RecordedMessage& m : reporter.messages)
        said += m.text + "\n";
    EXPECT_NE(said.find(c.note), std::string::npos) << said;
}

INSTANTIATE_TEST_SUITE_P(EachState, PackRecovery, ::testing::ValuesIn(kCases), CaseName<Leftovers>);

} // namespace
