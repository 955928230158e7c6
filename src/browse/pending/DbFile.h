#pragma once
// Temporary: the subset of the engine's DbFile that the grid reads through.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

namespace tabulo {

class DbFile {
public:
    static std::unique_ptr<DbFile> Open(const std::string& path) {
        int fd = ::open(path.c_str(), O_RDWR);
        if (fd < 0) return nullptr;
        return std::unique_ptr<DbFile>(new DbFile(fd));
    }
    ~DbFile() { ::close(fd_); }
    long ReadAt(int64_t offset, void* buf, size_t n) const {
        return static_cast<long>(::pread(fd_, buf, n, offset));
    }
    int64_t Size() const {
        struct stat st {};
        return ::fstat(fd_, &st) == 0 ? st.st_size : -1;
    }

private:
    explicit DbFile(int fd) : fd_(fd) {}
    int fd_;
};

} // namespace tabulo
