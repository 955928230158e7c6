#include "engine/FileSteps.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <mutex>
#include <vector>

namespace tabulo {

namespace {

enum class Fault { Error, ErrorFromThenOn, Kill };

std::atomic<long> g_stepsTaken{0};
std::atomic<long> g_armedAt{0};
std::atomic<int> g_error{EIO};
std::atomic<Fault> g_fault{Fault::Error};
std::atomic<FileStep> g_lastInjected{FileStep::Open};
thread_local int t_lastError = 0;

DbFile::StepWatcher g_watcher;

std::atomic<bool> g_logging{false};
std::mutex g_logMutex;
std::vector<DbFile::LoggedStep> g_log;

void Arm(long n, Fault fault, int error) {
    g_stepsTaken = 0;
    g_armedAt = n;
    g_fault = fault;
    g_error = error;
}

bool Armed(long taken) {
    const long at = g_armedAt;
    if (at == 0) return false;
    return g_fault == Fault::ErrorFromThenOn ? taken >= at : taken == at;
}

} // namespace

namespace filesteps {

bool Fails(FileStep step, const std::string& path, const std::string& to) {
    if (g_logging) {
        const std::lock_guard<std::mutex> guard(g_logMutex);
        g_log.push_back({step, path, to});
    }
    const long taken = ++g_stepsTaken;
    if (g_watcher) g_watcher(step, taken);
    if (!Armed(taken)) return false;
    // Killed before the step is taken: nothing of the program's own clean-up can run.
    if (g_fault == Fault::Kill) std::raise(SIGKILL);
    g_lastInjected = step;
    errno = g_error;
    t_lastError = g_error;
    return true;
}

bool Failed() {
    t_lastError = errno;
    return false;
}

int LastError() {
    return t_lastError;
}

} // namespace filesteps

void DbFile::FailAtStep(long n, int error) {
    Arm(n, Fault::Error, error);
}

void DbFile::FailFromStep(long n, int error) {
    Arm(n, Fault::ErrorFromThenOn, error);
}

void DbFile::KillAtStep(long n) {
    Arm(n, Fault::Kill, 0);
}

long DbFile::StepsTaken() {
    return g_stepsTaken;
}

FileStep DbFile::LastInjectedStep() {
    return g_lastInjected;
}

void DbFile::WatchSteps(StepWatcher watcher) {
    g_watcher = std::move(watcher);
}

void DbFile::LogSteps(bool on) {
    const std::lock_guard<std::mutex> guard(g_logMutex);
    g_log.clear();
    g_logging = on;
}

std::vector<DbFile::LoggedStep> DbFile::StepLog() {
    const std::lock_guard<std::mutex> guard(g_logMutex);
    return g_log;
}

int DbFile::LastError() {
    return filesteps::LastError();
}

} // namespace tabulo
