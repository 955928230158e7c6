// tabulo-cli pack: asks on a terminal, refuses without one unless --yes, and packs; records
// after the count are dropped only with --force.

#include "CliFixture.h"
#include "FaultyFileSystem.h"
#include "PackCommand.h"

#include <algorithm>
#include <cerrno>
#include <sstream>

namespace tabulo::cli {
namespace {

class Pack : public CliTest {
protected:
    void SetUp() override {
        test::TestDb db;
        db.AddField("NAME", 5).AddRecord({"a"}).AddDeletedRecord({"b"}).AddRecord({"c"});
        Write(db, "Db");
        before = Bytes("Db.Tbd");
    }
    std::string before;
};

TEST_F(Pack, WithoutATerminalItNeedsYes) {
    const test::CliResult r = Cli({"pack", "Db"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tabulo-cli: Db: not packed: there is no terminal to ask on (give --yes "
                     "to pack anyway)\n");
    EXPECT_EQ(Bytes("Db.Tbd"), before);
}

TEST_F(Pack, YesPacksAndKeepsTheOldFile) {
    const test::CliResult r = Cli({"pack", "Db", "--yes"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "packed Db.Tbd: 2 records kept, 1 removed; the old file is Db.Bak\n");
    EXPECT_EQ(r.err, ""); // no progress without a terminal
    EXPECT_EQ(Bytes("Db.Bak"), before);
    EXPECT_EQ(Bytes("Db.Tbd").substr(23496), " a     c    ");
}

TEST_F(Pack, OnATerminalTheAnswerDecides) {
    const std::pair<const char*, int> answers[] = {{"n\n", 1}, {"\n", 1}, {"y\n", 0}};
    for (const auto& [answer, status] : answers) {
        const test::CliResult r = test::RunCli({{"pack", "Db"}, answer, dir.Path().string(), true});
        EXPECT_EQ(r.status, status) << answer;
        EXPECT_NE(r.err.find("Pack: Make sure database is not opened by other users! This can "
                             "corrupt your database!!! Continue Yes/No? [y/N]"),
                  std::string::npos)
            << r.err;
    }
    EXPECT_EQ(test::LongAt(Bytes("Db.Tbd"), 0), 2);
}

// Records after those the header counts are dropped only with --force.
TEST_F(Pack, RecordsAfterTheCountAreDroppedOnlyWithForce) {
    std::string bytes = before;
    test::PutLong(bytes, 0, 1);
    test::WriteFileBytes(File("Db.Tbd"), bytes);
    const std::string opened = "tabulo-cli: Db: OPEN DATABASE: FILE:Db holds 2 records after "
                               "those its header counts. They are not shown or counted, and a "
                               "pack would drop them.\n";

    test::CliResult r = Cli({"pack", "Db", "--yes"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, opened + "tabulo-cli: Db: not packed: the pack would drop the records "
                              "after those the header counts (give --force to drop them)\n");
    EXPECT_EQ(Bytes("Db.Tbd"), bytes);

    r = Cli({"pack", "Db", "--yes", "--force"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "packed Db.Tbd: 1 records kept, 0 removed; the old file is Db.Bak\n");
    EXPECT_EQ(Bytes("Db.Bak"), bytes);
    EXPECT_EQ(Bytes("Db.Tbd").substr(23496), " a    ");
}

TEST_F(Pack, AMissingDatabase) {
    const test::CliResult r = Cli({"pack", "Nope", "--yes"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tabulo-cli: Nope: OPEN DATABASE: FILE:Nope not found!\n");
}

// The packed file cannot be opened again (its reopen is made to fail): the pack is done all
// the same, so the exit status is 0, and the reopen's failure is reported.
TEST_F(Pack, AReopenFailureAfterTheSwapStillExitsZero) {
    test::FaultyFileSystem faults;
    const auto pack = [&] {
        std::ostringstream out, err;
        const int status = RunPack(faults, PackOptions{Path("Db"), true}, out, err);
        return std::tuple{status, out.str(), err.str()};
    };
    const auto log = faults.StepsOf([&] { EXPECT_EQ(std::get<0>(pack()), 0); });
    const auto reopen = std::find_if(log.rbegin(), log.rend(), [](const test::LoggedStep& s) {
        return s.step == test::FileStep::Open;
    });
    ASSERT_NE(reopen, log.rend());
    // The same pack again, on the same records: its steps come in the same order.
    test::WriteFileBytes(File("Db.Tbd"), before);
    faults.FailFromStep(static_cast<long>(log.rend() - reopen), EACCES);
    const auto [status, out, err] = pack();
    faults.ResetSteps();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out, "packed " + File("Db") + ".Tbd; the old file is " + File("Db") + ".Bak\n");
    EXPECT_EQ(err, "tabulo-cli: " + File("Db") +
                       ": Open Database: Unexpected Error Permission "
                       "denied: " +
                       File("Db") + ".Tbd\n");
    EXPECT_EQ(Bytes("Db.Tbd").substr(23496), " a     c    ");
}

} // namespace
} // namespace tabulo::cli
