#pragma once
// Files of the command-line program: reading a small text file whole, a file read as a
// stream that remembers why its reading failed, and the buffered output of a command (a
// file named with -o, or standard output).

#include "base/FilePath.h"

#include <filesystem>
#include <streambuf>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace tabulo::cli {

// The whole file; false when it cannot be opened or read (a directory, no permission).
bool ReadWholeFile(const std::filesystem::path& path, std::string& text);

// The reason of the last failed system call, as the system words it.
std::string SystemReason();

// A file read in large pieces as a stream buffer. A failed read ends the input as the end
// of the file would, and is remembered: the reader asks Failure() to tell the two apart.
class InputFile : public std::streambuf {
public:
    InputFile() = default;
    ~InputFile() override;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // False with the reason when the file cannot be opened.
    bool Open(const FilePath& path, std::string& error);
    // Empty while every read succeeded; else the system's reason for the read that failed.
    const std::string& Failure() const { return failure_; }

protected:
    int_type underflow() override;
    // Reads up to n bytes: the count, 0 at the end, -1 with errno on a failure.
    virtual ssize_t ReadPiece(char* into, size_t n);

private:
    static constexpr size_t kPiece = 64 * 1024;
    int fd_ = -1;
    std::string piece_;
    std::string failure_;
};

// Text gathered in a buffer and written in large pieces. A failed write is remembered and
// reported by Close; later writes are then dropped.
class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // An empty path means standard output. False with the reason when the file cannot be
    // created.
    bool Open(const FilePath& path, std::string& error);
    // Append to Buffer() directly, then call Written() to let a full buffer go out.
    std::string& Buffer() { return buffer_; }
    void Written() {
        if (buffer_.size() >= kFlushAt) Flush();
    }
    void Write(std::string_view text) {
        buffer_ += text;
        Written();
    }
    // Writes what is left and closes the file; false with the reason when any write failed.
    bool Close(std::string& error);

private:
    static constexpr size_t kFlushAt = 256 * 1024;
    void Flush();

    int fd_ = -1;
    bool ownsFd_ = false;
    std::string path_;
    std::string buffer_;
    std::string failure_; // the first write failure
};

} // namespace tabulo::cli
