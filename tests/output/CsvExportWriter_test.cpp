// The export file written straight through the engine: bytes, progress, the current record,
// and files that cannot be written.

#include "ExportFixture.h"
#include "output/CsvExportWriter.h"

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace tabulo::test {

TestDb MixedDb() {
    TestDb db;
    db.AddField("NAME", 10).AddField("NOTE", 20).AddField("CITY", 10);
    db.AddRecord({"Ann", "line one\r\nline two", "Rome"});
    db.AddDeletedRecord({"Bob \"Jr\"", "x, y", ""});
    db.AddRecord({"  Zo\xEB", "", "Malm\xF6"});
    return db;
}

std::vector<std::string> ExportTest::OtherFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        if (entry.path().filename() != "Stock.Tbd") names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

namespace {

TEST(CsvFileNameTest, AddsCsvUnlessPresentInAnyCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"data", "data.csv"},         {"data.CSV", "data.CSV"}, {"Data.Csv", "Data.Csv"},
        {"data.txt", "data.txt.csv"}, {"csv", "csv.csv"},       {"/tmp/a.b/x", "/tmp/a.b/x.csv"},
    };
    for (const auto& [typed, written] : cases)
        EXPECT_EQ(CsvFileName(typed), written) << typed;
}

TEST_F(ExportTest, WritesEveryRecordAndRestoresTheCurrentOne) {
    TestDb db;
    db.AddField("N", 6);
    for (int i = 1; i <= 250; ++i)
        db.AddRecord({std::to_string(i)});
    Open(db);
    engine.SetRecordNo(3);
    RecordingProgress progress;
    ASSERT_EQ(WriteCsvExport(engine, {1}, dir.File("n.csv"), &progress), std::nullopt);
    const std::string csv = ReadFileBytes(dir.File("n.csv"));
    EXPECT_EQ(csv.substr(0, 16), "#,N\r\n1,\"1\"\r\n2,\"2");
    EXPECT_EQ(csv.substr(csv.size() - 11), "250,\"250\"\r\n");
    EXPECT_EQ(progress.lastDone, 250);
    EXPECT_EQ(progress.lastTotal, 250);
    EXPECT_LE(progress.shows, 101) << "one call per whole percent at most";
    EXPECT_EQ(progress.hides, 1);
    EXPECT_EQ(engine.GetRecordNo(), 3);
    EXPECT_EQ(engine.GetRecordBuffer().substr(1, 1), "3");
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(ExportTest, FieldsInNumberOrderOnceEachFreeSlotsLeftOut) {
    TestDb db = MixedDb();
    db.SetField(5, db.Header().Fields[0]); // slot 4 stays free
    Open(db);
    ASSERT_EQ(WriteCsvExport(engine, {3, 4, 1, 3, 99}, dir.File("x.csv")), std::nullopt);
    EXPECT_EQ(ReadFileBytes(dir.File("x.csv")), "#,NAME,CITY\r\n"
                                                "1,\"Ann\",\"Rome\"\r\n"
                                                "2,\"Bob \"Jr\"\",\"\"\r\n"
                                                "3,\"Zo\xEB\",\"Malm\xF6\"\r\n");
    EXPECT_TRUE(reporter.messages.empty());
}

// A file size limit makes the writes fail as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

struct UnwritableCase {
    const char* name;
    const char* target; // inside the temporary folder
    bool makeDirectory; // a directory already has the target's name
    bool diskFull;
    const char* reason;
};

class UnwritableTest : public ExportTest, public ::testing::WithParamInterface<UnwritableCase> {};

TEST_P(UnwritableTest, FailsNamingTheFileAndLeavesNothing) {
    const UnwritableCase& c = GetParam();
    TestDb db;
    db.AddField("TEXT", 40);
    for (int i = 0; i < 3000; ++i)
        db.AddRecord({"a value that takes some room in the file"});
    Open(db);
    engine.SetRecordNo(7);
    const std::string target = dir.File(c.target);
    if (c.makeDirectory) std::filesystem::create_directory(target);
    RecordingProgress progress;
    std::optional<CsvExportFailure> failure;
    {
        std::optional<FileSizeLimit> limit;
        if (c.diskFull) limit.emplace(64 * 1024);
        failure = WriteCsvExport(engine, {1}, target, &progress);
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->file, target);
    EXPECT_EQ(failure->reason, c.reason);
    EXPECT_EQ(OtherFiles(),
              c.makeDirectory ? std::vector<std::string>{c.target} : std::vector<std::string>{});
    EXPECT_EQ(engine.GetRecordNo(), 7);
    EXPECT_EQ(progress.hides, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Values, UnwritableTest,
    ::testing::Values(UnwritableCase{"MissingFolder", "nowhere/x.csv", false, false,
                                     "No such file or directory"},
                      UnwritableCase{"DirectoryOfThatName", "x.csv", true, false, "Is a directory"},
                      UnwritableCase{"DiskFull", "x.csv", false, true, "File too large"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tabulo::test
