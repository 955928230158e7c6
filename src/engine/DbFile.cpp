#include "engine/DbFile.h"

#include "engine/FileSteps.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tabulo {

namespace {

using filesteps::Failed;
using filesteps::Fails;

// Retries a system call interrupted by a signal.
template <typename Call> auto Retry(Call call) {
    decltype(call()) r;
    do {
        r = call();
    } while (r == -1 && errno == EINTR);
    return r;
}

bool FailWith(int error) {
    errno = error;
    return Failed();
}

bool SetByte0Lock(int fd, short type) {
    struct flock fl {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 1;
    fl.l_pid = 0; // required to be 0 for open-file-description locks
    return Retry([&] { return fcntl(fd, F_OFD_SETLK, &fl); }) == 0 || Failed();
}

FileId IdOfStat(const struct stat& st) {
    return {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
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

std::unique_ptr<DbFile> DbFile::OpenDescriptor(int fd, const std::string& path) {
    if (fd < 0) return Failed(), nullptr;
    struct stat st {};
    const bool regular = fstat(fd, &st) == 0 ? S_ISREG(st.st_mode) || FailWith(EISDIR) : Failed();
    if (!regular) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<DbFile>(new DbFile(fd, path, IdOfStat(st)));
}

std::unique_ptr<DbFile> DbFile::Open(const std::string& path) {
    if (Fails(FileStep::Open, path)) return nullptr;
    return OpenDescriptor(Retry([&] { return ::open(path.c_str(), O_RDWR | O_CLOEXEC); }), path);
}

std::unique_ptr<DbFile> DbFile::Create(const std::string& path) {
    if (Fails(FileStep::Create, path)) return nullptr;
    return OpenDescriptor(
        Retry([&] { return ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666); }),
        path);
}

std::unique_ptr<DbFile> DbFile::OpenForReading(const std::string& path) {
    if (Fails(FileStep::Open, path)) return nullptr;
    return OpenDescriptor(Retry([&] { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC); }), path);
}

DbFile::~DbFile() {
    if (fd_ >= 0) ::close(fd_);
}

long DbFile::ReadAt(int64_t offset, void* buf, size_t n) const {
    if (fd_ < 0 || offset < 0) return FailWith(EBADF), -1;
    if (Fails(FileStep::Read, path_)) return -1;
    size_t done = 0;
    auto* out = static_cast<char*>(buf);
    while (done < n) {
        const ssize_t r = Retry([&] { return ::pread(fd_, out + done, n - done, offset + done); });
        if (r < 0) return Failed(), -1;
        if (r == 0) break; // end of file
        done += static_cast<size_t>(r);
    }
    return static_cast<long>(done);
}

bool DbFile::WriteAt(int64_t offset, const void* buf, size_t n) {
    if (fd_ < 0 || offset < 0) return FailWith(EBADF);
    if (Fails(FileStep::Write, path_)) return false;
    size_t done = 0;
    const auto* in = static_cast<const char*>(buf);
    while (done < n) {
        const ssize_t w = Retry([&] { return ::pwrite(fd_, in + done, n - done, offset + done); });
        if (w < 0) return Failed();
        if (w == 0) return FailWith(ENOSPC);
        done += static_cast<size_t>(w);
    }
    return true;
}

int64_t DbFile::Size() const {
    struct stat st {};
    if (fd_ < 0 || fstat(fd_, &st) != 0) return Failed(), -1;
    return st.st_size;
}

bool DbFile::IsStillAtPath() const {
    FileId atPath;
    return IdOf(path_, atPath) && atPath == id_;
}

bool DbFile::Flush() {
    if (fd_ < 0) return FailWith(EBADF);
    if (Fails(FileStep::Flush, path_)) return false;
    return Retry([&] { return ::fsync(fd_); }) == 0 || Failed();
}

bool DbFile::Close() {
    if (fd_ < 0) return FailWith(EBADF);
    const bool injected = Fails(FileStep::Close, path_);
    // After close() the descriptor is gone whatever it returns, so it is never retried.
    const bool closed = ::close(fd_) == 0 || Failed();
    fd_ = -1;
    return closed && !injected;
}

bool DbFile::TryLockByte0() {
    if (fd_ < 0) return FailWith(EBADF);
    if (Fails(FileStep::Lock, path_)) return false;
    return SetByte0Lock(fd_, F_WRLCK);
}

bool DbFile::UnlockByte0() {
    if (fd_ < 0) return FailWith(EBADF);
    const bool injected = Fails(FileStep::Unlock, path_);
    // The lock is released even when a failure is simulated, so no test leaves it behind.
    return SetByte0Lock(fd_, F_UNLCK) && !injected;
}

bool DbFile::LockIsBusy(int error) {
    return error == EAGAIN || error == EACCES;
}

bool DbFile::RefusesWriting(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

bool DbFile::FolderWritable(const std::string& path) {
    std::filesystem::path dir = std::filesystem::path(path).parent_path();
    if (dir.empty()) dir = ".";
    return ::access(dir.c_str(), W_OK | X_OK) == 0 || !RefusesWriting(errno) || Failed();
}

bool DbFile::Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool DbFile::IdOf(const std::string& path, FileId& id) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return Failed();
    id = IdOfStat(st);
    return true;
}

bool DbFile::Remove(const std::string& path) {
    if (Fails(FileStep::Remove, path)) return false;
    return ::unlink(path.c_str()) == 0 || Failed();
}

bool DbFile::Rename(const std::string& from, const std::string& to) {
    if (Fails(FileStep::Rename, from, to)) return false;
    return ::rename(from.c_str(), to.c_str()) == 0 || Failed();
}

bool DbFile::SyncDirectoryOf(const std::string& path) {
    if (Fails(FileStep::SyncDir, path)) return false;
    std::filesystem::path dir = std::filesystem::path(path).parent_path();
    if (dir.empty()) dir = ".";
    const int fd = Retry([&] { return ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (fd < 0) return Failed();
    const bool ok = Retry([&] { return ::fsync(fd); }) == 0 || Failed();
    ::close(fd);
    return ok;
}

} // namespace tabulo
