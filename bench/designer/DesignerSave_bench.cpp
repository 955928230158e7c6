// Save in the designer over a full database (the contacts sample's form and first record,
// 65,530 records) against `cp` and `sync` of the same file, side by side in one run: a
// header-only change (the first banner's caption) and a design with one field added. Both
// saves rewrite every record by the restructure's safe steps, so a copy of the file is
// their floor. Counters: caption_ms, field_ms, cp_sync_ms and each save per cp + sync.

#include "../support/WindowDoubles.h"
#include "design/Design.h"
#include "designer/DesignEdits.h"
#include "designer/DesignerWindow.h"
#include "dialogs/modDlg.h"
#include "engine/DBHeader.h"
#include "engine/PosixFileSystem.h"
#include "engine/Reporter.h"
#include "engine/modDB.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;
using namespace tabulo;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Opens a fresh copy of the full file in the designer, makes the change, and times Save.
double TimedSave(const fs::path& file, const std::string& bytes,
                 const std::function<void(design::Design&)>& change) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    bench::PrintingReporter reporter(true);
    bench::NoDialogs dialogs;
    designer::DesignerWindow window(reporter, dialogs, MachineFileSystem());
    if (!window.OpenFile(FilePath(file.string())))
        throw std::runtime_error("the database did not open");
    design::Design d = window.Document().Current();
    change(d);
    if (!window.Document().Apply(d, "change").empty())
        throw std::runtime_error("the change was refused");
    const auto start = Clock::now();
    if (!window.Save()) throw std::runtime_error("Save failed");
    const double seconds = Seconds(Clock::now() - start);
    fs::remove(file.parent_path() / (file.stem().string() + ".Bak"));
    return seconds;
}

// cp of the file, then sync of the copy alone, so that other programs' writes do not count.
double CopyWithCpAndSync(const fs::path& file, const fs::path& copy) {
    const std::string command =
        "cp '" + file.string() + "' '" + copy.string() + "' && sync '" + copy.string() + "'";
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0) throw std::runtime_error("cp or sync failed");
    const double seconds = Seconds(Clock::now() - start);
    fs::remove(copy);
    return seconds;
}

void BM_DesignerSaveAgainstCpAndSync(benchmark::State& state) {
    const fs::path dir = fs::temp_directory_path() / "tabulo-bench-designersave";
    fs::create_directories(dir);
    const std::string full = bench::ContactsToTheLimit();
    const fs::path file = dir / "Big.Tbd";
    double caption = 0, field = 0, copy = 0;
    for (auto _ : state) {
        const double c =
            TimedSave(file, full, [](design::Design& d) { d.banners.front().caption = "Someone"; });
        const double f =
            TimedSave(file, full, [](design::Design& d) { designer::AddField(d, 1, 470, 300); });
        const double p = CopyWithCpAndSync(file, dir / "Copy.Tbd");
        caption += c, field += f, copy += p;
        state.SetIterationTime(c + f + p);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["caption_ms"] = 1000 * caption / n;
    state.counters["field_ms"] = 1000 * field / n;
    state.counters["cp_sync_ms"] = 1000 * copy / n;
    state.counters["caption_per_cp"] = caption / copy;
    state.counters["field_per_cp"] = field / copy;
    fs::remove_all(dir);
}
BENCHMARK(BM_DesignerSaveAgainstCpAndSync)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

} // namespace
