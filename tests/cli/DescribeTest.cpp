// describe writes a description that create turns back into the same file: the shipped
// samples through the real program, with and without their records, and made-up designs
// through the commands' own functions.

#include "CliFixture.h"
#include "Console.h"
#include "DescribeCommand.h"
#include "RandomDesign.h"
#include "design/DesignJson.h"

#include <fstream>
#include <sstream>

namespace tabulo::cli {
namespace {

constexpr unsigned kRandomDesigns = 200;

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

TEST_F(Describe, MadeUpDesignsComeBackByteForByte) {
    for (unsigned seed = 1; seed <= kRandomDesigns; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const std::string header =
            EncodeHeader(design::HeaderFromDesign(test::RandomDesign(seed), 2));
        std::ofstream(File("R.Tbd"), std::ios::binary)
            << header << " first" + std::string(5000, 'x') << "*second";
        std::ostringstream err;
        ASSERT_EQ(RunDescribe({Path("R"), Path("r.json"), true}, err), kExitOk) << err.str();
        ASSERT_EQ(MakeDatabase(Path("r.json"), Path("Back.Tbd")), "");
        const std::string back = Bytes("Back.Tbd");
        ASSERT_EQ(back.substr(0, kHeaderSize), header);
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
