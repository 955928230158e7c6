#include "engine/DbFile.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tabulo {

namespace {

std::atomic<long> g_stepsTaken{0};
std::atomic<long> g_failAt{0};
std::atomic<FileStep> g_lastInjected{FileStep::Open};

// Retries a system call interrupted by a signal.
template <typename Call> auto Retry(Call call) {
    decltype(call()) r;
    do {
        r = call();
    } while (r == -1 && errno == EINTR);
    return r;
}

bool SetByte0Lock(int fd, short type) {
    struct flock fl {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 1;
    fl.l_pid = 0; // required to be 0 for open-file-description locks
    return Retry([&] { return fcntl(fd, F_OFD_SETLK, &fl); }) == 0;
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

void DbFile::FailAtStep(long n) {
    g_stepsTaken = 0;
    g_failAt = n;
}

long DbFile::StepsTaken() {
    return g_stepsTaken;
}

FileStep DbFile::LastInjectedStep() {
    return g_lastInjected;
}

bool DbFile::StepFails(FileStep step) {
    const long taken = ++g_stepsTaken;
    if (g_failAt == 0 || taken != g_failAt) return false;
    g_lastInjected = step;
    errno = EIO;
    return true;
}

std::unique_ptr<DbFile> DbFile::Open(const std::string& path) {
    if (StepFails(FileStep::Open)) return nullptr;
    const int fd = Retry([&] { return ::open(path.c_str(), O_RDWR | O_CLOEXEC); });
    if (fd < 0) return nullptr;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<DbFile>(new DbFile(fd, path));
}

std::unique_ptr<DbFile> DbFile::Create(const std::string& path) {
    if (StepFails(FileStep::Create)) return nullptr;
    const int fd =
        Retry([&] { return ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666); });
    if (fd < 0) return nullptr;
    return std::unique_ptr<DbFile>(new DbFile(fd, path));
}

DbFile::~DbFile() {
    if (fd_ >= 0) ::close(fd_);
}

long DbFile::ReadAt(int64_t offset, void* buf, size_t n) const {
    if (fd_ < 0 || offset < 0 || StepFails(FileStep::Read)) return -1;
    size_t done = 0;
    auto* out = static_cast<char*>(buf);
    while (done < n) {
        const ssize_t r = Retry([&] { return ::pread(fd_, out + done, n - done, offset + done); });
        if (r < 0) return -1;
        if (r == 0) break; // end of file
        done += static_cast<size_t>(r);
    }
    return static_cast<long>(done);
}

bool DbFile::WriteAt(int64_t offset, const void* buf, size_t n) {
    if (fd_ < 0 || offset < 0 || StepFails(FileStep::Write)) return false;
    size_t done = 0;
    const auto* in = static_cast<const char*>(buf);
    while (done < n) {
        const ssize_t w = Retry([&] { return ::pwrite(fd_, in + done, n - done, offset + done); });
        if (w <= 0) return false;
        done += static_cast<size_t>(w);
    }
    return true;
}

int64_t DbFile::Size() const {
    struct stat st {};
    if (fd_ < 0 || fstat(fd_, &st) != 0) return -1;
    return st.st_size;
}

bool DbFile::Flush() {
    if (fd_ < 0 || StepFails(FileStep::Flush)) return false;
    return Retry([&] { return ::fsync(fd_); }) == 0;
}

bool DbFile::Close() {
    if (fd_ < 0) return false;
    const bool injected = StepFails(FileStep::Close);
    // After close() the descriptor is gone whatever it returns, so it is never retried.
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    return closed && !injected;
}

bool DbFile::TryLockByte0() {
    if (fd_ < 0 || StepFails(FileStep::Lock)) return false;
    return SetByte0Lock(fd_, F_WRLCK);
}

bool DbFile::UnlockByte0() {
    if (fd_ < 0) return false;
    const bool injected = StepFails(FileStep::Unlock);
    // The lock is released even when a failure is simulated, so no test leaves it behind.
    return SetByte0Lock(fd_, F_UNLCK) && !injected;
}

bool DbFile::Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool DbFile::Remove(const std::string& path) {
    if (StepFails(FileStep::Remove)) return false;
    return ::unlink(path.c_str()) == 0;
}

bool DbFile::Rename(const std::string& from, const std::string& to) {
    if (StepFails(FileStep::Rename)) return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool DbFile::SyncDirectoryOf(const std::string& path) {
    if (StepFails(FileStep::SyncDir)) return false;
    std::filesystem::path dir = std::filesystem::path(path).parent_path();
    if (dir.empty()) dir = ".";
    const int fd = Retry([&] { return ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (fd < 0) return false;
    const bool ok = Retry([&] { return ::fsync(fd); }) == 0;
    ::close(fd);
    return ok;
}

} // namespace tabulo
