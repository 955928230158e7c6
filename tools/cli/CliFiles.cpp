#include "CliFiles.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace tabulo::cli {

bool ReadWholeFile(const std::filesystem::path& path, std::string& text) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream whole;
    whole << in.rdbuf();
    if (in.bad()) return false;
    text = whole.str();
    return true;
}

std::string SystemReason() {
    return std::strerror(errno);
}

InputFile::~InputFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool InputFile::Open(const FilePath& path, std::string& error) {
    fd_ = ::open(path.Native().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ >= 0) return true;
    error = "cannot open the file: " + SystemReason();
    return false;
}

ssize_t InputFile::ReadPiece(char* into, size_t n) {
    ssize_t got;
    do {
        got = ::read(fd_, into, n);
    } while (got < 0 && errno == EINTR);
    return got;
}

InputFile::int_type InputFile::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (!failure_.empty()) return traits_type::eof();
    piece_.resize(kPiece);
    const ssize_t got = ReadPiece(piece_.data(), piece_.size());
    if (got < 0) failure_ = SystemReason();
    if (got <= 0) return traits_type::eof();
    setg(piece_.data(), piece_.data(), piece_.data() + got);
    return traits_type::to_int_type(*gptr());
}

OutputFile::~OutputFile() {
    if (ownsFd_ && fd_ >= 0) ::close(fd_);
}

bool OutputFile::Open(const FilePath& path, std::string& error) {
    path_ = path.Empty() ? "standard output" : path.Native();
    if (path.Empty()) {
        fd_ = STDOUT_FILENO;
        return true;
    }
    fd_ = ::open(path.Native().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        error = path.Native() + ": cannot create the file: " + SystemReason();
        return false;
    }
    ownsFd_ = true;
    return true;
}

void OutputFile::Flush() {
    size_t done = 0;
    while (failure_.empty() && done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            failure_ = path_ + ": cannot write: " + SystemReason();
        else
            done += static_cast<size_t>(n);
    }
    buffer_.clear();
}

bool OutputFile::Close(std::string& error) {
    Flush();
    if (ownsFd_ && ::close(fd_) != 0 && failure_.empty())
        failure_ = path_ + ": cannot write: " + SystemReason();
    ownsFd_ = false;
    fd_ = -1;
    error = failure_;
    return failure_.empty();
}

} // namespace tabulo::cli
