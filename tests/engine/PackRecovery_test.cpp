// Opening a database whose pack was cut short: each state a pack can leave (and the states an
// older pack that renamed the database away could leave) is repaired without loss, and the
// open says what it did. Files that a running pack still works on are left alone.

#include "PackFixture.h"

namespace {

using namespace tabulo;
using namespace tabulo::test;

namespace fs = std::filesystem;

enum class Content { None, Old, Packed, Earlier, CutShort };

struct Leftovers {
    const char* what;
    Content database, work, backup;
    bool holdIsDatabase; // ".TbO" a second name of the database itself
    Content hold;        // otherwise its own content
    Content databaseAfter, backupAfter;
    const char* note; // a part of the open's message; "" when it says nothing
};

std::string Bytes(Content c) {
    switch (c) {
    case Content::None:
        return "";
    case Content::Old:
        return FiveRecords().Bytes();
    case Content::Packed:
        return PackedFiveRecords().Bytes();
    case Content::Earlier:
        return "an earlier backup";
    case Content::CutShort: { // header counting 0, two records written
        std::string bytes = PackedFiveRecords().Bytes();
        PutLong(bytes, 0, 0);
        return bytes.substr(0, bytes.size() - 5);
    }
    }
    return "";
}

using C = Content;
// clang-format off
const Leftovers kCases[] = {
    {"work file cut short", C::Old, C::CutShort, C::Earlier, false, C::None, C::Old, C::Earlier, "unfinished work file"},
    {"killed before the swap", C::Old, C::Packed, C::Earlier, true, C::None, C::Old, C::Earlier, "before the packed file took its place"},
    {"killed after the swap", C::Packed, C::None, C::Earlier, false, C::Old, C::Packed, C::Old, "kept as"},
    {"renamed away, work file complete", C::None, C::Packed, C::Old, false, C::None, C::Packed, C::Old, "was missing"},
    {"renamed away, work file cut short", C::None, C::CutShort, C::Old, false, C::None, C::Old, C::None, "unfinished work file"},
    {"only the backup left", C::None, C::None, C::Old, false, C::None, C::Old, C::None, "was missing"},
    {"only the second name left", C::None, C::None, C::Earlier, false, C::Old, C::Old, C::Earlier, "was missing"},
    {"nothing left", C::None, C::None, C::None, false, C::None, C::None, C::None, " not found!"},
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
    Put(base + ".Bak", c.backup);
    Put(base + ".TbO", c.hold);
    if (c.holdIsDatabase) fs::create_hard_link(base + ".Tbd", base + ".TbO");

    std::string name = base;
    EXPECT_EQ(engine.OpenDatabase(name), c.databaseAfter == Content::None ? 0 : 1);
    EXPECT_EQ(FileBytes(base), Bytes(c.databaseAfter));
    EXPECT_EQ(ReadFileBytes(base + ".Bak"), Bytes(c.backupAfter));
    EXPECT_EQ(LeftOver(base), "");
    std::string said;
    for (const RecordedMessage& m : reporter.messages)
        said += m.text + "\n";
    EXPECT_NE(said.find(c.note), std::string::npos) << said;
}

INSTANTIATE_TEST_SUITE_P(EachState, PackRecovery, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                             std::string name = info.param.what;
                             for (char& ch : name)
                                 if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

// A pack that still runs holds the database's lock: its work file is not taken for a leftover.
TEST_F(PackTest, OpenLeavesTheFilesOfARunningPackAlone) {
    const std::string base = dir.File("Test");
    FiveRecords().WriteTo(base + ".Tbd");
    WriteFileBytes(base + ".TbB", Bytes(Content::CutShort));
    auto packing = DbFile::Open(base + ".Tbd");
    ASSERT_TRUE(packing && packing->TryLockByte0());
    std::string name = base;
    ASSERT_EQ(engine.OpenDatabase(name), 1);
    EXPECT_EQ(reporter.messages, std::vector<RecordedMessage>{});
    EXPECT_EQ(ReadFileBytes(base + ".TbB"), Bytes(Content::CutShort));
}

} // namespace
