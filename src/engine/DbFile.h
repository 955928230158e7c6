#pragma once
// DbFile: the one place where the engine talks to the operating system about files.
// A database file is opened shared for reading and writing; byte 0 carries the lock
// that keeps the writes and appends of several copies of the program apart.
//
// Every operation that can fail with an I/O error counts as one "file step". Tests can make
// the n-th step from now fail with a chosen error, or kill the process there, to check what
// a failure or a crash leaves behind.

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

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

// Which file a name or an open file is: the same identity means the same file, whatever
// names it has.
struct FileId {
    uint64_t device = 0;
    uint64_t inode = 0;
    bool operator==(const FileId&) const = default;
};

class DbFile {
public:
    // Opens an existing file for shared reading and writing; nullptr when it cannot be opened
    // (missing, no permission, a directory ...).
    static std::unique_ptr<DbFile> Open(const std::string& path);
    // Creates the file, or empties an existing one; nullptr on failure.
    static std::unique_ptr<DbFile> Create(const std::string& path);
    // Opens an existing file for reading only; nullptr as Open. Counts as an open step.
    static std::unique_ptr<DbFile> OpenForReading(const std::string& path);

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
    // The file that was opened, whatever has since happened to its name.
    const FileId& Id() const { return id_; }
    // Whether the name it was opened by still leads to this very file: false once another
    // file has taken the name (a pack's rename, a copy put in its place, whatever other
    // names the file has) or nothing is there.
    bool IsStillAtPath() const;

    // The lock on byte 0, taken without waiting: false at once when another open file holds it
    // (LockIsBusy then tells so). It belongs to this open file (not to the process), so closing
    // another descriptor of the same file does not release it, and two DbFile objects in one
    // process exclude each other.
    bool TryLockByte0();
    bool UnlockByte0();

    const std::string& Path() const { return path_; }
    int Descriptor() const { return fd_; }

    // Operations on names.
    static bool Exists(const std::string& path);
    // The identity of the file a name leads to; false when there is none.
    static bool IdOf(const std::string& path, FileId& id);
    static bool Remove(const std::string& path);
    // Replaces `to` when it exists, in one step.
    static bool Rename(const std::string& from, const std::string& to);
    // Makes the directory entries (renames, creations) of the file's directory durable.
    static bool SyncDirectoryOf(const std::string& path);

    // True when the error is the system's refusal to let a file be written (permissions,
    // a read-only file system).
    static bool RefusesWriting(int error);
    // True when new files can be made in the folder of path; false, with the reason as the
    // last error, when the system refuses.
    static bool FolderWritable(const std::string& path);

    // The system's error number of the last operation of this thread that failed.
    static int LastError();
    // True when the error is that of a lock held by another open file.
    static bool LockIsBusy(int error);

    // Test seams. FailAtStep: the n-th file step from now fails with `error` (1 = the very
    // next one); FailFromStep: that step and every later one fail; KillAtStep: the process is
    // killed (SIGKILL) instead of taking that step. n = 0 disarms.
    static void FailAtStep(long n, int error = EIO);
    static void FailFromStep(long n, int error);
    static void KillAtStep(long n);
    // File steps taken since the last arming or ResetSteps.
    static long StepsTaken();
    static void ResetSteps() { FailAtStep(0); }
    // The kind of the step that was made to fail last (valid after an injected failure).
    static FileStep LastInjectedStep();

    // Test seam: every file step taken while the log is on, with the path it acted on (and
    // the new name of a rename or link).
    struct LoggedStep {
        FileStep step;
        std::string path;
        std::string to;
    };
    static void LogSteps(bool on);
    static std::vector<LoggedStep> StepLog();

    // Test seam: the watcher runs before every file step, with the step and its number since
    // the last arming (1 = the first), in the thread that takes it; steps it takes itself
    // are watched too. Set it while no other thread takes file steps; empty removes it.
    using StepWatcher = std::function<void(FileStep step, long n)>;
    static void WatchSteps(StepWatcher watcher);

private:
    DbFile(int fd, std::string path, FileId id) : fd_(fd), path_(std::move(path)), id_(id) {}
    static std::unique_ptr<DbFile> OpenDescriptor(int fd, const std::string& path);

    int fd_ = -1;
    std::string path_;
    FileId id_;
};

} // namespace tabulo
