// The engine against the plain file operations it is built on, on a full database
// (65,530 records of 256 bytes). Each engine figure has its plain counterpart beside it:
// the walk against plain reads, the pack and the restructure against cp and sync of the
// same file.

#include "RecordingReporter.h"
#include "TempDir.h"
#include "TestDb.h"
#include "design/DesignJson.h"
#include "design/Restructure.h"
#include "engine/DbFile.h"
#include "engine/PosixFileSystem.h"
#include "engine/modDB.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace tabulo;
using namespace tabulo::test;

constexpr int kRecordLength = 256;
constexpr long kRecords = kMaxRecords;

// Full database bytes, every second record marked deleted.
const std::string& FullDatabase() {
    static const std::string bytes = [] {
        TestDb db;
        db.AddField("Name", 40).AddField("City", 30).SetRecordLength(kRecordLength);
        for (long k = 1; k <= kRecords; ++k) {
            const std::vector<std::string> values = {"Name " + std::to_string(k), "City"};
            if (k % 2 == 0)
                db.AddDeletedRecord(values);
            else
                db.AddRecord(values);
        }
        return db.Bytes();
    }();
    return bytes;
}

struct BenchFiles {
    TempDir dir;
    std::string base = dir.File("Bench");
    std::string path = base + ".Tbd";
    BenchFiles() { WriteFileBytes(path, FullDatabase()); }
};

void BM_WalkGotoNextRecord(benchmark::State& state) {
    BenchFiles files;
    RecordingReporter reporter;
    modDB db(reporter, MachineFileSystem());
    std::string name = files.base;
    db.OpenDatabase(FilePath(name));
    for (auto _ : state) {
        long visited = db.GotoFirstRecord();
        while (db.GotoNextRecord() == 1)
            ++visited;
        if (visited != kRecords) state.SkipWithError("walk did not visit every record");
        benchmark::DoNotOptimize(db.GetRecordBuffer().data());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_WalkGotoNextRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WalkPlainPread(benchmark::State& state) {
    BenchFiles files;
    const int fd = open(files.path.c_str(), O_RDONLY);
    std::string buffer(kRecordLength, ' ');
    for (auto _ : state) {
        for (long k = 1; k <= kRecords; ++k) {
            const off_t at = kHeaderSize + static_cast<off_t>(k - 1) * kRecordLength;
            if (pread(fd, buffer.data(), kRecordLength, at) != kRecordLength)
                state.SkipWithError("short read");
        }
        benchmark::DoNotOptimize(buffer.data());
    }
    close(fd);
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_WalkPlainPread)->Unit(benchmark::kMillisecond)->UseRealTime();

// Appends under the byte-0 lock; the file is started afresh whenever it fills up.
void BM_AddRecord(benchmark::State& state) {
    TempDir dir;
    TestDb empty;
    empty.AddField("Name", 40).SetRecordLength(kRecordLength);
    const std::string base = empty.Create(dir, "Adds");
    RecordingReporter reporter;
    modDB db(reporter, MachineFileSystem());
    std::string name = base;
    db.OpenDatabase(FilePath(name));
    db.WriteField(1, "Appended");
    for (auto _ : state) {
        if (db.GetRecordNo() == kRecords) {
            state.PauseTiming();
            db.CloseDatabase();
            empty.WriteTo(base + ".Tbd");
            db.OpenDatabase(FilePath(name));
            state.ResumeTiming();
        }
        if (db.AddRecord() != 1) state.SkipWithError("append failed");
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AddRecord)->UseRealTime();

class YesReporter : public RecordingReporter {
public:
    bool Ask(const std::string&, const std::string&, MsgIcon, bool) override { return true; }
};

void BM_PackEverySecondMarked(benchmark::State& state) {
    BenchFiles files;
    YesReporter reporter;
    modDB db(reporter, MachineFileSystem());
    RecordingProgress progress;
    for (auto _ : state) {
        state.PauseTiming();
        WriteFileBytes(files.path, FullDatabase());
        std::string name = files.base;
        db.OpenDatabase(FilePath(name));
        state.ResumeTiming();
        if (db.PackRecords(progress) != 1) state.SkipWithError("pack failed");
        state.PauseTiming();
        if (db.GetRecordCount() != kRecords / 2) state.SkipWithError("wrong count");
        db.CloseDatabase();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_PackEverySecondMarked)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// A new design over every record, as `tabulo-cli restructure` makes it: the plan (one read
// of the file), then the rewrite by the pack's steps. One field lengthened, one added.
void BM_RestructureOneAddedOneLengthened(benchmark::State& state) {
    BenchFiles files;
    RecordingReporter reporter;
    modDB db(reporter, MachineFileSystem());
    RecordingProgress progress;
    const design::ParsedDesign next = design::ParseDesign(
        R"({"recordLength": 276, "fields": [{"name": "Name", "length": 60},
            {"name": "City", "length": 30}, {"name": "Phone", "length": 20}]})",
        ".");
    if (!next.ok) state.SkipWithError(next.error.c_str());
    for (auto _ : state) {
        state.PauseTiming();
        WriteFileBytes(files.path, FullDatabase());
        std::string name = files.base;
        db.OpenDatabase(FilePath(name));
        state.ResumeTiming();
        const design::Restructure r = design::PlanRestructure(db, next.design);
        if (!r.problems.empty() || design::ApplyRestructure(db, r, false, progress) != 1)
            state.SkipWithError("restructure failed");
        state.PauseTiming();
        if (db.GetRecordCount() != kRecords) state.SkipWithError("wrong count");
        db.CloseDatabase();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_RestructureOneAddedOneLengthened)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10);

// What pack and restructure are measured against: the same file copied by cp and flushed to disk by
// sync (of that file alone, so that other programs' writes do not count).
void BM_CopyWithCpAndSync(benchmark::State& state) {
    BenchFiles files;
    const std::string copy = files.base + ".Copy";
    const std::string command = "cp '" + files.path + "' '" + copy + "' && sync '" + copy + "'";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError("cp or sync failed");
        state.PauseTiming();
        std::remove(copy.c_str());
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_CopyWithCpAndSync)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

} // namespace
