#include "engine/PosixFileSystem.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tabulo {

namespace {

// Retries a system call interrupted by a signal.
template <typename Call> auto Retry(Call call) {
    decltype(call()) r;
    do {
        r = call();
    } while (r == -1 && errno == EINTR);
    return r;
}

int OpenFlags(FileSystem::Access access) {
    switch (access) {
    case FileSystem::Access::ReadOnly:
        return O_RDONLY | O_CLOEXEC;
    case FileSystem::Access::Create:
        return O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC;
    case FileSystem::Access::ReadWrite:
        break;
    }
    return O_RDWR | O_CLOEXEC;
}

FileId IdOfStat(const struct stat& st) {
    return {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
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

// Closes a descriptor after a failure, keeping the failure's errno.
void CloseAfterFailure(int fd) {
    const int error = errno;
    ::close(fd);
    errno = error;
}

std::filesystem::path FolderOf(const std::string& path) {
    const std::filesystem::path dir = std::filesystem::path(path).parent_path();
    return dir.empty() ? "." : dir;
}

} // namespace

int PosixFileSystem::Open(const std::string& path, Access access, FileId& id) {
    const int fd = Retry([&] { return ::open(path.c_str(), OpenFlags(access), 0666); });
    if (fd < 0) return -1;
    struct stat st {};
    const bool opened = fstat(fd, &st) == 0 && (S_ISREG(st.st_mode) || (errno = EISDIR, false));
    if (!opened) return CloseAfterFailure(fd), -1;
    id = IdOfStat(st);
    return fd;
}

int64_t PosixFileSystem::SizeOf(const OpenFile& file) {
    struct stat st {};
    return fstat(file.descriptor, &st) == 0 ? st.st_size : -1;
}

long PosixFileSystem::ReadAt(const OpenFile& file, int64_t offset, void* buf, size_t n) {
    size_t done = 0;
    auto* out = static_cast<char*>(buf);
    while (done < n) {
        const ssize_t r =
            Retry([&] { return ::pread(file.descriptor, out + done, n - done, offset + done); });
        if (r < 0) return -1;
        if (r == 0) break; // end of file
        done += static_cast<size_t>(r);
    }
    return static_cast<long>(done);
}

bool PosixFileSystem::WriteAt(const OpenFile& file, int64_t offset, const void* buf, size_t n) {
    size_t done = 0;
    const auto* in = static_cast<const char*>(buf);
    while (done < n) {
        const ssize_t w =
            Retry([&] { return ::pwrite(file.descriptor, in + done, n - done, offset + done); });
        if (w < 0) return false;
        if (w == 0) return errno = ENOSPC, false;
        done += static_cast<size_t>(w);
    }
    return true;
}

bool PosixFileSystem::Flush(const OpenFile& file) {
    return Retry([&] { return ::fsync(file.descriptor); }) == 0;
}

bool PosixFileSystem::Close(const OpenFile& file) {
    // After close() the descriptor is gone whatever it returns, so it is never retried.
    return ::close(file.descriptor) == 0;
}

void PosixFileSystem::Release(const OpenFile& file) {
    ::close(file.descriptor);
}

bool PosixFileSystem::LockByte0(const OpenFile& file) {
    return SetByte0Lock(file.descriptor, F_WRLCK);
}

bool PosixFileSystem::UnlockByte0(const OpenFile& file) {
    return SetByte0Lock(file.descriptor, F_UNLCK);
}

bool PosixFileSystem::IdOf(const std::string& path, FileId& id, bool& plain) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    id = IdOfStat(st);
    plain = S_ISREG(st.st_mode);
    return true;
}

bool PosixFileSystem::Remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool PosixFileSystem::Rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool PosixFileSystem::SyncDirectoryOf(const std::string& path) {
    const std::filesystem::path dir = FolderOf(path);
    const int fd = Retry([&] { return ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (fd < 0) return false;
    if (Retry([&] { return ::fsync(fd); }) != 0) return CloseAfterFailure(fd), false;
    ::close(fd);
    return true;
}

bool PosixFileSystem::FolderWritable(const std::string& path) {
    return ::access(FolderOf(path).c_str(), W_OK | X_OK) == 0;
}

FileSystem& MachineFileSystem() {
    static PosixFileSystem machine;
    return machine;
}

} // namespace tabulo
