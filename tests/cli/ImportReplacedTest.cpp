// tabulo-cli import while the database stops being the file it opened: the rows that come
// after the change go to the file now at the path, or the import stops with the reason, and
// none goes into the old file. The rows come through a pipe, so that the change falls
// between two rows for certain.

#include "ChildProcess.h"
#include "CliFixture.h"
#include "NamedCase.h"
#include "ReplacedFile.h"
#include "engine/DbAccess.h"

#include <fstream>
#include <sys/stat.h>

namespace tabulo::cli {
namespace {

test::TestDb Names() {
    test::TestDb db;
    db.AddField("NAME", 8, "A").AddRecord({"kept"}).AddDeletedRecord({"gone"});
    return db;
}

class ImportReplaced : public CliTest, public testing::WithParamInterface<test::ReplacedCase> {};

TEST_P(ImportReplaced, RowsGoToTheFileAtThePathOrTheImportStops) {
    const test::ReplacedCase& c = GetParam();
    Write(Names(), "Db");
    ASSERT_EQ(mkfifo(File("rows.csv").c_str(), 0600), 0);
    const std::string said = File("said.txt");
    const pid_t import = test::Spawn([&] {
        const test::CliResult r = Cli({"import", "Db", "rows.csv"});
        test::WriteFileBytes(said, r.out + r.err);
        return r.status;
    });
    std::ofstream rows(File("rows.csv")); // open once the import reads it
    rows << "NAME\nfirst\n" << std::flush;
    test::Await([&] { return test::LongAt(Bytes("Db.Tbd"), 0) == 3 || test::HasEnded(import); });
    test::ReplaceDatabase(File("Db"), c.how, Names());
    const std::string replaced = Bytes("Db.Tbd");
    rows << "second\n";
    rows.close();

    const int status = test::ExitStatus(import);
    const std::string output = test::ReadFileBytes(said);
    if (*c.oldFileExtension) {
        EXPECT_EQ(Bytes(std::string("Db") + c.oldFileExtension),
                  Names().AddRecord({"first"}).Bytes())
            << "the old file gets nothing after the change";
    }
    if (c.sameForm) {
        EXPECT_EQ(status, 0) << output;
        EXPECT_EQ(output, "appended 2 records to Db.Tbd\n");
        test::TestDb packed;
        packed.AddField("NAME", 8, "A").AddRecord({"kept"}).AddRecord({"first"});
        EXPECT_EQ(Bytes("Db.Tbd"), packed.AddRecord({"second"}).Bytes());
    } else {
        EXPECT_EQ(status, 1);
        EXPECT_EQ(output, "appended 1 records to Db.Tbd\ntabulo-cli: Db: AddRecord: " +
                              std::string(kFormChanged) +
                              "\ntabulo-cli: rows.csv: stopped: the database took no more "
                              "records\n");
        EXPECT_EQ(Bytes("Db.Tbd"), replaced);
    }
}

INSTANTIATE_TEST_SUITE_P(EachWay, ImportReplaced, testing::ValuesIn(test::kReplacedCases),
                         test::CaseName<test::ReplacedCase>);

} // namespace
} // namespace tabulo::cli
