#include "FaultyFileSystem.h"

#include <csignal>
#include <gtest/gtest.h>

namespace tabulo::test {

namespace {

// Makes a call that has to happen whether or not its step was made to fail (a close's
// descriptor goes; an unlock releases the lock, so no test leaves it behind), keeping the
// injected error.
template <typename Call> bool TakenAnyway(bool injected, Call call) {
    const int error = errno;
    const bool done = call();
    if (injected) errno = error;
    return done && !injected;
}

} // namespace

const char* FileStepName(FileStep step) {
    switch (step) {
    case FileStep::Open:
        return "open";
    case FileStep::Create:
        return "create";
    case FileStep::Read:
        return "read";
    case FileStep::Write:
        return "write";
    case FileStep::Flush:
        return "flush";
    case FileStep::Close:
        return "close";
    case FileStep::Lock:
        return "lock";
    case FileStep::Unlock:
        return "unlock";
    case FileStep::Remove:
        return "remove";
    case FileStep::Rename:
        return "rename";
    case FileStep::SyncDir:
        return "sync directory";
    }
    return "?";
}

void FaultyFileSystem::Arm(long n, Fault fault, int error) {
    ExpectArmedFaultReached();
    taken_ = 0;
    armedAt_ = n;
    fault_ = fault;
    error_ = error;
}

void FaultyFileSystem::ExpectArmedFaultReached() const {
    const long at = armedAt_;
    if (at != 0 && taken_ < at)
        ADD_FAILURE() << "the fault armed at file step " << at << " was never reached: only "
                      << taken_ << " steps were taken";
}

std::vector<LoggedStep> FaultyFileSystem::StepsOf(const std::function<void()>& run) {
    {
        const std::lock_guard<std::mutex> guard(logMutex_);
        log_.clear();
        logging_ = true;
    }
    run();
    const std::lock_guard<std::mutex> guard(logMutex_);
    logging_ = false;
    EXPECT_FALSE(log_.empty()) << "no file step went through the faulty file system";
    return std::move(log_);
}

bool FaultyFileSystem::Fails(FileStep step, const std::string& path, const std::string& to) {
    if (logging_) {
        const std::lock_guard<std::mutex> guard(logMutex_);
        log_.push_back({step, path, to});
    }
    const long taken = ++taken_;
    if (watcher_) watcher_(step, taken);
    const long at = armedAt_;
    const bool armed = at != 0 && (fault_ == Fault::ErrorFromThenOn ? taken >= at : taken == at);
    if (!armed) return false;
    // Killed before the step is taken: nothing of the program's own clean-up can run.
    if (fault_ == Fault::Kill) std::raise(SIGKILL);
    lastInjected_ = step;
    errno = error_;
    return true;
}

int FaultyFileSystem::Open(const std::string& path, Access access, FileId& id) {
    if (Fails(access == Access::Create ? FileStep::Create : FileStep::Open, path)) return -1;
    return PosixFileSystem::Open(path, access, id);
}

long FaultyFileSystem::ReadAt(const OpenFile& file, int64_t offset, void* buf, size_t n) {
    if (Fails(FileStep::Read, file.path)) return -1;
    return PosixFileSystem::ReadAt(file, offset, buf, n);
}

bool FaultyFileSystem::WriteAt(const OpenFile& file, int64_t offset, const void* buf, size_t n) {
    return !Fails(FileStep::Write, file.path) && PosixFileSystem::WriteAt(file, offset, buf, n);
}

bool FaultyFileSystem::Flush(const OpenFile& file) {
    return !Fails(FileStep::Flush, file.path) && PosixFileSystem::Flush(file);
}

bool FaultyFileSystem::Close(const OpenFile& file) {
    const bool injected = Fails(FileStep::Close, file.path);
    return TakenAnyway(injected, [&] { return PosixFileSystem::Close(file); });
}

bool FaultyFileSystem::LockByte0(const OpenFile& file) {
    return !Fails(FileStep::Lock, file.path) && PosixFileSystem::LockByte0(file);
}

bool FaultyFileSystem::UnlockByte0(const OpenFile& file) {
    const bool injected = Fails(FileStep::Unlock, file.path);
    return TakenAnyway(injected, [&] { return PosixFileSystem::UnlockByte0(file); });
}

bool FaultyFileSystem::Remove(const std::string& path) {
    return !Fails(FileStep::Remove, path) && PosixFileSystem::Remove(path);
}

bool FaultyFileSystem::Rename(const std::string& from, const std::string& to) {
    return !Fails(FileStep::Rename, from, to) && PosixFileSystem::Rename(from, to);
}

bool FaultyFileSystem::SyncDirectoryOf(const std::string& path) {
    return !Fails(FileStep::SyncDir, path) && PosixFileSystem::SyncDirectoryOf(path);
}

} // namespace tabulo::test
