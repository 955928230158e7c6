// Start-up of a program on a database of 65,530 records (the most a file holds): the
// time from starting the process until the window has painted (Tabulo: record 1; the
// designer: the form's canvas) and the program has ended. Target: under 300 ms. The
// programs quit after their first paint when TABULO_QUIT_AFTER_FIRST_PAINT is set.
// TABULO_PROGRAM is the program, TABULO_OPENED_NAME the name it is given for the file.

#include "engine/DBHeader.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// The contacts sample's form with its first record repeated up to the file's limit.
fs::path BuildFullDatabase() {
    fs::path dir = fs::temp_directory_path() / "tabulo-bench-startup";
    fs::create_directories(dir);
    std::ifstream in(TABULO_SAMPLES_DIR "/Contacts.Tbd", std::ios::binary);
    std::string sample((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (sample.size() < static_cast<size_t>(tabulo::kHeaderSize))
        throw std::runtime_error("the contacts sample is missing");
    tabulo::DBHeader header = tabulo::DecodeHeader(reinterpret_cast<const uint8_t*>(sample.data()));
    header.RecordCount = tabulo::kMaxRecords;
    std::string record = sample.substr(tabulo::kHeaderSize, header.RecordLength);
    std::ofstream out(dir / "Big.Tbd", std::ios::binary | std::ios::trunc);
    out << tabulo::EncodeHeader(header);
    for (long i = 0; i < tabulo::kMaxRecords; ++i)
        out << record;
    return dir;
}

// Runs the program once; adds the CPU time it used to cpuSeconds. The exit status, or -1.
int RunProgram(const fs::path& dir, double& cpuSeconds) {
    std::vector<std::string> env = {"QT_QPA_PLATFORM=offscreen", "TABULO_QUIT_AFTER_FIRST_PAINT=1"};
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = TABULO_PROGRAM, name = (dir / TABULO_OPENED_NAME).string();
    char* argv[] = {program.data(), name.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) return -1;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    cpuSeconds += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                  static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_StartUpToFirstPaint(benchmark::State& state) {
    const fs::path dir = BuildFullDatabase();
    double cpuSeconds = 0;
    for (auto _ : state)
        if (RunProgram(dir, cpuSeconds) != 0)
            state.SkipWithError("the program did not end normally");
    // The program's own CPU time, which a machine busy with other work does not inflate.
    state.counters["program_cpu_ms"] = 1000 * cpuSeconds / static_cast<double>(state.iterations());
    fs::remove_all(dir);
}
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

} // namespace

BENCHMARK_MAIN();
