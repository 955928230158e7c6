// Speed of the browse window on a full database of 65,530 records: opening it with the
// first rows painted, scrolling to any position, and sorting by each kind of column.

#include "TestDb.h"
#include "browse/BrowseGrid.h"
#include "browse/frmBrowse.h"
#include "engine/PosixFileSystem.h"

#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>

namespace tabulo {
namespace {

constexpr int kRecords = 65530;
enum Column { kName = 1, kTown, kAmount, kBorn, kNotes };

std::string RandomWord(std::mt19937& random, int length) {
    std::string word;
    for (int i = 0; i < length; ++i)
        word += static_cast<char>('a' + random() % 26);
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

// Fields of 256-byte records; numbers and dates include a few that are not valid.
test::TestDb FullDatabase() {
    test::TestDb db;
    db.AddField("NAME", 40, "AS").AddField("TOWN", 30, "A").AddField("AMOUNT", 12, "N.-");
    db.AddField("BORN", 10, "D").AddField("NOTES", 163, "AM");
    std::mt19937 random(7);
    for (int r = 0; r < kRecords; ++r) {
        char date[16];
        std::snprintf(date, sizeof date, "%02d/%02d/%04d", 1 + int(random() % 28),
                      1 + int(random() % 12), 1900 + int(random() % 120));
        const bool odd = random() % 50 == 0;
        db.AddRecord({RandomWord(random, 3 + static_cast<int>(random() % 12)),
                      RandomWord(random, 6),
                      odd ? "n/a" : std::to_string(int(random() % 2000000) - 1000000),
                      odd ? "unknown" : date, "Line one\r\nLine two"});
    }
    return db;
}

const std::string& DatabasePath() {
    static const std::string path = [] {
        auto p = std::filesystem::temp_directory_path() / "tabulo-browse-bench.Tbd";
        FullDatabase().WriteTo(p.string());
        return p.string();
    }();
    return path;
}

std::unique_ptr<DbFile> OpenDatabase() {
    return DbFile::Open(MachineFileSystem(), DatabasePath());
}

const std::vector<int> kAllColumns = {kName, kTown, kAmount, kBorn, kNotes};

void BM_OpenAndShowFirstRows(benchmark::State& state) {
    auto file = OpenDatabase();
    for (auto _ : state) {
        frmBrowse window(*file, kAllColumns);
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_OpenAndShowFirstRows)->Unit(benchmark::kMillisecond);

void BM_ScrollToAnyPosition(benchmark::State& state) {
    auto file = OpenDatabase();
    frmBrowse window(*file, kAllColumns);
    window.show();
    QScrollBar* bar = window.findChild<QScrollBar*>("VSBar");
    BrowseGrid* grid = window.findChild<BrowseGrid*>();
    std::mt19937 random(3);
    for (auto _ : state) {
        bar->setValue(1 + static_cast<int>(random() % kRecords));
        benchmark::DoNotOptimize(grid->grab());
    }
}
BENCHMARK(BM_ScrollToAnyPosition)->Unit(benchmark::kMillisecond);

void BM_SortByColumn(benchmark::State& state) {
    auto file = OpenDatabase();
    frmBrowse window(*file, kAllColumns);
    window.show();
    for (auto _ : state)
        window.ColumnHeaderClick(static_cast<int>(state.range(0)));
}
BENCHMARK(BM_SortByColumn)
    ->ArgName("column")
    ->Arg(kName)
    ->Arg(kAmount)
    ->Arg(kBorn)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tabulo

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(tabulo::DatabasePath());
    return 0;
}
