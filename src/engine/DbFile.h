#pragma once
// DbFile: the one place where the engine talks to the operating system about files.
// A database file is opened shared for reading and writing; byte 0 carries the lock
// that keeps the writes and appends of several copies of the program apart.
//
// Every operation that can fail with an I/O error counts as one "file step". Tests can
// make the n-th step from now fail (FailAtStep) to check what a failure leaves behind.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace tabulo {

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

class DbFile {
public:
    // Opens an existing file for shared reading and writing; nullptr when it cannot be opened
    // (missing, no permission, a directory ...).
    static std::unique_ptr<DbFile> Open(const std::string& path);
    // Creates the file, or empties an existing one; nullptr on failure.
    static std::unique_ptr<DbFile> Create(const std::string& path);

    ~DbFile(); // closes the file if still open
    DbFile(const DbFile&) = delete;
    DbFile& operator=(const DbFile&) = delete;

    // Reads up to n bytes at offset (0-based). Returns the bytes read: fewer than n at the end
    // of the file, -1 on an error.
    long ReadAt(int64_t offset, void* buf, size_t n) const;
    // Writes all n bytes at offset; false on an error or a short write.
    bool WriteAt(int64_t offset, const void* buf, size_t n);
    int64_t Size() const; // -1 on an error
    bool Flush();         // to the disk (fsync)
    bool Close();         // the descriptor is released even when false is returned
    bool IsOpen() const { return fd_ >= 0; }

    // The lock on byte 0, taken without waiting: false at once when another open file holds it.
    // It belongs to this open file (not to the process), so closing another descriptor of the
    // same file does not release it, and two DbFile objects in one process exclude each other.
    bool TryLockByte0();
    bool UnlockByte0();

    const std::string& Path() const { return path_; }
    int Descriptor() const { return fd_; }

    // Operations on names.
    static bool Exists(const std::string& path);
    static bool Remove(const std::string& path);
    static bool Rename(const std::string& from, const std::string& to);
    // Makes the directory entries (renames, creations) of the file's directory durable.
    static bool SyncDirectoryOf(const std::string& path);

    // Test seam: the n-th file step from now fails (1 = the very next one); 0 disarms.
    static void FailAtStep(long n);
    // File steps taken since the last FailAtStep or ResetSteps.
    static long StepsTaken();
    static void ResetSteps() { FailAtStep(0); }
    // The kind of the step that was made to fail last (valid after an injected failure).
    static FileStep LastInjectedStep();

private:
    DbFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    static bool StepFails(FileStep step);

    int fd_ = -1;
    std::string path_;
};

} // namespace tabulo
