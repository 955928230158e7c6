// describe writes a description that create turns back into the same file: the shipped
// samples through the real program, with and without their records. Made-up designs over
// every member's range go through the same description in tests/design.

#include "CliFixture.h"

#include <fstream>

namespace tabulo::cli {
namespace {

class Describe : public CliTest {
protected:
    // describe of `name`.Tbd, then create of that description as Again.Tbd.
    void DescribeAndCreate(const std::string& name, std::vector<std::string> flags = {}) {
        std::vector<std::string> args = {"describe", name, "-o", "d.json"};
        args.insert(args.end(), flags.begin(), flags.end());
        const test::CliResult described = Cli(args);
        ASSERT_EQ(described.status, 0) << described.err;
        const test::CliResult created = Cli({"create", "--force", "d.json", "Again"});
        ASSERT_EQ(created.status, 0) << created.err;
    }
};

TEST_F(Describe, SamplesComeBackByteForByte) {
    for (const char* name : {"Contacts", "Cities"}) {
        SCOPED_TRACE(name);
        MakeSample(name);
        const std::string original = Bytes(std::string(name) + ".Tbd");

        DescribeAndCreate(name, {"--records"});
        EXPECT_EQ(Bytes("Again.Tbd"), original);

        DescribeAndCreate(name);
        // Without records the header counts none.
        EXPECT_EQ(Bytes("Again.Tbd"), std::string(4, '\0') + original.substr(4, kHeaderSize - 4));
    }
}

TEST_F(Describe, DamagedCountIsKeptAndRefusalsAreReported) {
    test::TestDb db;
    db.AddField("A", 3).AddRecord({"abc"}).AddRecord({"def"});
    Write(db, "Two");
    std::string bytes = Bytes("Two.Tbd");
    bytes[0] = 5; // claims five records, holds two
    std::ofstream(File("Two.Tbd"), std::ios::binary) << bytes;
    DescribeAndCreate("Two", {"--records"});
    EXPECT_EQ(Bytes("Again.Tbd"), bytes);

    const test::CliResult missing = Cli({"describe", "Nowhere"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Nowhere.Tbd"), std::string::npos) << missing.err;
    EXPECT_EQ(Cli({"describe"}).status, 2);
}

} // namespace
} // namespace tabulo::cli
