#pragma once
// FaultyFileSystem: the machine's file system with every file step counted, so that a test
// can make the n-th step fail with a chosen error, kill the process there, log the steps or
// pause at one. A test gives it to what it tests in place of the machine's; an open file keeps
// the file system that opened it, so a fixture declares it before its engine and files. A
// fault armed but never reached fails the test (when it is re-armed, or at the end): a test
// whose steps no longer go through it would otherwise pass without its fault.

#include "engine/PosixFileSystem.h"

#include <atomic>
#include <cerrno>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace tabulo::test {

enum class FileStep {
    Open,
    Create,
    Read,
    Write,
    Flush,
    Close,
    Lock,
    Unlock,
    Remove,
    Rename,
    SyncDir
};

const char* FileStepName(FileStep step);

struct LoggedStep {
    FileStep step;
    std::string path;
    std::string to; // the new name of a rename
};

class FaultyFileSystem : public PosixFileSystem {
public:
    FaultyFileSystem() = default;
    ~FaultyFileSystem() override { ExpectArmedFaultReached(); }
    FaultyFileSystem(const FaultyFileSystem&) = delete;
    FaultyFileSystem& operator=(const FaultyFileSystem&) = delete;

    // FailAtStep: the n-th file step from now fails with `error` (1 = the very next one);
    // FailFromStep: that step and every later one fail; KillAtStep: the process is killed
    // (SIGKILL) instead of taking that step. n = 0 disarms.
    void FailAtStep(long n, int error = EIO) { Arm(n, Fault::Error, error); }
    void FailFromStep(long n, int error) { Arm(n, Fault::ErrorFromThenOn, error); }
    void KillAtStep(long n) { Arm(n, Fault::Kill, 0); }
    void ResetSteps() { FailAtStep(0); }
    // File steps taken since the last arming or ResetSteps.
    long StepsTaken() const { return taken_; }
    // The kind of the step that was made to fail last.
    FileStep LastInjectedStep() const { return lastInjected_; }

    // Every file step `run` takes, with the path it acted on (a test fails when it takes none).
    std::vector<LoggedStep> StepsOf(const std::function<void()>& run);

    // The watcher runs before every file step, with the step and its number since the last
    // arming (1 = the first), in the thread that takes it; steps it takes itself are watched
    // too. Set it while no other thread takes file steps; empty removes it.
    using StepWatcher = std::function<void(FileStep step, long n)>;
    void WatchSteps(StepWatcher watcher) { watcher_ = std::move(watcher); }

    int Open(const std::string& path, Access access, FileId& id) override;
    long ReadAt(const OpenFile& file, int64_t offset, void* buf, size_t n) override;
    bool WriteAt(const OpenFile& file, int64_t offset, const void* buf, size_t n) override;
    bool Flush(const OpenFile& file) override;
    bool Close(const OpenFile& file) override;
    bool LockByte0(const OpenFile& file) override;
    bool UnlockByte0(const OpenFile& file) override;
    bool Remove(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to) override;
    bool SyncDirectoryOf(const std::string& path) override;

private:
    enum class Fault { Error, ErrorFromThenOn, Kill };

    void Arm(long n, Fault fault, int error);
    void ExpectArmedFaultReached() const;
    // Counts one step. True when it is to fail: errno is then the injected error.
    bool Fails(FileStep step, const std::string& path, const std::string& to = {});

    std::atomic<long> taken_{0};
    std::atomic<long> armedAt_{0};
    std::atomic<int> error_{EIO};
    std::atomic<Fault> fault_{Fault::Error};
    std::atomic<FileStep> lastInjected_{FileStep::Open};
    StepWatcher watcher_;
    std::atomic<bool> logging_{false};
    mutable std::mutex logMutex_;
    std::vector<LoggedStep> log_;
};

} // namespace tabulo::test
