// The Export window's file: its lines byte for byte, and the whole export through the engine
// (every record, deleted ones included, the current record kept).

#include "RecordingReporter.h"
#include "TestDb.h"
#include "engine/CsvExport.h"
#include "engine/modDB.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tabulo {
namespace {

TEST(CsvExport, HeaderLine) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "#\r\n"},
        {{"NAME"}, "#,NAME\r\n"},
        {{"NAME", "CITY"}, "#,NAME,CITY\r\n"},
    };
    for (const auto& [names, line] : cases) {
        std::string out;
        AppendExportHeader(out, names);
        EXPECT_EQ(out, line);
    }
}

TEST(CsvExport, RecordLine) {
    const std::vector<std::pair<std::vector<std::string_view>, std::string>> cases = {
        {{}, "7\r\n"},
        {{"Ann"}, "7,\"Ann\"\r\n"},
        {{"", "a,b"}, "7,\"\",\"a,b\"\r\n"},
        {{"say \"hi\""}, "7,\"say \"hi\"\"\r\n"},     // quotes are not doubled
        {{"one\r\ntwo\r\n"}, "7,\"one\ntwo\n\"\r\n"}, // CR LF inside becomes LF
        {{"a\rb\nc"}, "7,\"a\rb\nc\"\r\n"},           // a lone CR or LF stays
        {{"caf\xE9"}, "7,\"caf\xE9\"\r\n"},           // the file's own code page
    };
    for (const auto& [values, line] : cases) {
        std::string out;
        AppendExportRecord(out, 7, values);
        EXPECT_EQ(out, line);
    }
}

struct NoProgress : ProgressSink {
    long shown = 0;
    bool hidden = false;
    void ShowPer(long, long) override { ++shown; }
    void HidePer() override { hidden = true; }
};

TEST(CsvExport, TheWholeFileThroughTheEngine) {
    test::TempDir dir;
    test::TestDb builder;
    builder.AddField("NAME", 8).AddField("NOTE", 10).AddField("CITY", 6);
    builder.AddRecord({"  Ann ", "a\r\nb", "Rome"}).AddDeletedRecord({"Bob"}).AddRecord({"Cy"});
    std::string name = builder.Create(dir, "Db");
    test::RecordingReporter reporter;
    modDB db(reporter);
    ASSERT_EQ(db.OpenDatabase(name), 1);
    ASSERT_EQ(db.SetRecordNo(2), 1);

    std::ostringstream out;
    NoProgress progress;
    ASSERT_TRUE(WriteExportFile(db, {1, 3}, out, progress));

    EXPECT_EQ(out.str(),
              "#,NAME,CITY\r\n1,\"Ann\",\"Rome\"\r\n2,\"Bob\",\"\"\r\n3,\"Cy\",\"\"\r\n");
    EXPECT_EQ(db.GetRecordNo(), 2);
    EXPECT_EQ(progress.shown, 3);
    EXPECT_TRUE(progress.hidden);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(CsvExport, AFailedStreamIsReported) {
    test::TempDir dir;
    test::TestDb builder;
    builder.AddField("NAME", 8).AddRecord({"Ann"});
    std::string name = builder.Create(dir, "Db");
    test::RecordingReporter reporter;
    modDB db(reporter);
    ASSERT_EQ(db.OpenDatabase(name), 1);
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    NoProgress progress;
    EXPECT_FALSE(WriteExportFile(db, {1}, out, progress));
    EXPECT_TRUE(progress.hidden);
}

} // namespace
} // namespace tabulo
