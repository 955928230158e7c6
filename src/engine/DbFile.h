#pragma once
// DbFile: the one place where the engine opens and uses files. A database file is opened
// shared for reading and writing; byte 0 carries the lock that keeps the writes and appends
// of several copies of the program apart. The calls themselves go to the file system the
// file was opened on (FileSystem.h), which every opening and every name operation is given.

#include "engine/FileSystem.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace tabulo {

class DbFile {
public:
    // Opens an existing file for shared reading and writing; nullptr when it cannot be opened
    // (missing, no permission, a directory ...).
    static std::unique_ptr<DbFile> Open(FileSystem& fs, const std::string& path);
    // Creates the file, or empties an existing one; nullptr on failure.
    static std::unique_ptr<DbFile> Create(FileSystem& fs, const std::string& path);
    // Opens an existing file for reading only; nullptr as Open.
    static std::unique_ptr<DbFile> OpenForReading(FileSystem& fs, const std::string& path);

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
    bool IsOpen() const { return file_.descriptor >= 0; }
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

    const std::string& Path() const { return file_.path; }
    int Descriptor() const { return file_.descriptor; }

    // Operations on names.
    static bool Exists(FileSystem& fs, const std::string& path);
    // The identity of the file a name leads to; false when there is none.
    static bool IdOf(FileSystem& fs, const std::string& path, FileId& id);
    static bool Remove(FileSystem& fs, const std::string& path);
    // Replaces `to` when it exists, in one step.
    static bool Rename(FileSystem& fs, const std::string& from, const std::string& to);
    // Makes the directory entries (renames, creations) of the file's directory durable.
    static bool SyncDirectoryOf(FileSystem& fs, const std::string& path);

    // True when the error is the system's refusal to let a file be written (permissions,
    // a read-only file system).
    static bool RefusesWriting(int error);
    // True when new files can be made in the folder of path; false, with the reason as the
    // last error, when the system refuses.
    static bool FolderWritable(FileSystem& fs, const std::string& path);

    // The system's error number of the last operation of this thread that failed.
    static int LastError();
    // True when the error is that of a lock held by another open file.
    static bool LockIsBusy(int error);

private:
    DbFile(FileSystem& fs, OpenFile file, FileId id) : fs_(fs), file_(std::move(file)), id_(id) {}
    static std::unique_ptr<DbFile> OpenAs(FileSystem& fs, const std::string& path,
                                          FileSystem::Access access);

    FileSystem& fs_;
    OpenFile file_;
    FileId id_;
};

} // namespace tabulo
