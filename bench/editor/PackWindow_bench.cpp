// Pack of a full database (65,530 records, every tenth marked deleted) in the window against
// `tabulo-cli pack` on a copy of the same file, side by side in one run. The window's pack
// runs from File > Pack, answered Yes, to the packed record shown, with its progress window
// on the offscreen platform. Target: the window within 2x of the command-line tool
// (counter "window_per_cli", wall-clock time; "window_per_cli_cpu" for the CPU time).

#include "../support/WindowDoubles.h"
#include "dialogs/modDlg.h"
#include "editor/frmEdit.h"
#include "engine/DBHeader.h"
#include "engine/PosixFileSystem.h"
#include "engine/Reporter.h"
#include "engine/modDB.h"

#include <QAction>
#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace tabulo;
using Clock = std::chrono::steady_clock;

void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

double CpuSeconds(const rusage& u) {
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double OwnCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return CpuSeconds(usage);
}

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

struct Timing {
    double wall = 0, cpu = 0;
};

// `tabulo-cli pack --yes base`: the wall-clock and CPU time of the whole process.
Timing PackWithCli(const fs::path& base) {
    std::string program = TABULO_CLI, command = "pack", yes = "--yes", name = base.string();
    char* argv[] = {program.data(), command.data(), yes.data(), name.data(), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &quiet, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) throw std::runtime_error("tabulo-cli did not start");
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const Timing t{Seconds(Clock::now() - start), CpuSeconds(usage)};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("tabulo-cli pack failed");
    return t;
}

// File > Pack in a window that has the database open.
Timing PackInWindow(const fs::path& base) {
    bench::PrintingReporter reporter(true);
    modDB db(reporter, MachineFileSystem());
    ScriptHost script;
    bench::NoServices services;
    bench::NoDialogs dialogs;
    frmEdit window(db, reporter, script, services, dialogs);
    if (!window.StartUp(base.string())) throw std::runtime_error("the database did not open");
    window.show();
    QApplication::processEvents();
    auto* pack = window.findChild<QAction*>(QStringLiteral("mnuPack"));
    if (pack == nullptr) throw std::runtime_error("the window has no mnuPack");
    const double cpuBefore = OwnCpuSeconds();
    const auto start = Clock::now();
    pack->trigger();
    const Timing t{Seconds(Clock::now() - start), OwnCpuSeconds() - cpuBefore};
    if (db.GetRecordCount() != kMaxRecords - kMaxRecords / 10)
        throw std::runtime_error("the window's pack did not finish");
    return t;
}

void BM_PackInWindowAgainstCli(benchmark::State& state) {
    const fs::path dir = fs::temp_directory_path() / "tabulo-bench-packwindow";
    fs::create_directories(dir);
    const std::string full = bench::ContactsToTheLimit(10);
    Timing window, cli;
    for (auto _ : state) {
        WriteBytes(dir / "Window.Tbd", full);
        WriteBytes(dir / "Cli.Tbd", full);
        const Timing w = PackInWindow(dir / "Window");
        const Timing c = PackWithCli(dir / "Cli");
        window.wall += w.wall, window.cpu += w.cpu, cli.wall += c.wall, cli.cpu += c.cpu;
        state.SetIterationTime(w.wall);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["window_ms"] = 1000 * window.wall / n;
    state.counters["cli_ms"] = 1000 * cli.wall / n;
    state.counters["window_per_cli"] = window.wall / cli.wall;
    state.counters["window_per_cli_cpu"] = window.cpu / cli.cpu;
    fs::remove_all(dir);
}
BENCHMARK(BM_PackInWindowAgainstCli)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

} // namespace
