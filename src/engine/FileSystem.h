#pragma once
// FileSystem: the operating system's file calls, as the engine's files (DbFile) make them.
// Whoever opens files is given the file system to open them on by its creator, down from the
// program's entry point, which hands down the machine's (MachineFileSystem in
// PosixFileSystem.h). So another implementation can stand in for one engine without touching
// any other, for example one that makes a chosen call fail to show what a failure at that
// point leaves behind. A call that fails returns false (or -1) with errno set to the reason.

#include <cstddef>
#include <cstdint>
#include <string>

namespace tabulo {

// Which file a name or an open file is: the same identity means the same file, whatever
// names it has.
struct FileId {
    uint64_t device = 0;
    uint64_t inode = 0;
    bool operator==(const FileId&) const = default;
};

// An open file: its descriptor and the name it was opened by.
struct OpenFile {
    int descriptor = -1;
    std::string path;
};

class FileSystem {
public:
    enum class Access {
        ReadWrite,
        ReadOnly,
        Create // read and write a new file, or an existing one emptied
    };

    virtual ~FileSystem() = default;

    // The descriptor of the plain file at path, with its identity; -1 when it cannot be
    // opened (EISDIR when it is a directory, a device ...).
    virtual int Open(const std::string& path, Access access, FileId& id) = 0;
    virtual int64_t SizeOf(const OpenFile& file) = 0; // -1 on an error
    // Up to n bytes at offset: fewer only at the end of the file, -1 on an error.
    virtual long ReadAt(const OpenFile& file, int64_t offset, void* buf, size_t n) = 0;
    // All n bytes at offset, or false.
    virtual bool WriteAt(const OpenFile& file, int64_t offset, const void* buf, size_t n) = 0;
    virtual bool Flush(const OpenFile& file) = 0;
    // The descriptor is released even when false is returned.
    virtual bool Close(const OpenFile& file) = 0;
    // Closes a file whose closing nobody checks (one given up on).
    virtual void Release(const OpenFile& file) = 0;
    // The lock on byte 0, held by the open file (not the process), taken without waiting.
    virtual bool LockByte0(const OpenFile& file) = 0;
    virtual bool UnlockByte0(const OpenFile& file) = 0;

    // The identity of the file a name leads to (following links), and whether it is a plain
    // file.
    virtual bool IdOf(const std::string& path, FileId& id, bool& plain) = 0;
    virtual bool Remove(const std::string& path) = 0;
    // Replaces `to` when it exists, in one step.
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    // Makes the directory entries of the file's folder durable.
    virtual bool SyncDirectoryOf(const std::string& path) = 0;
    // Whether new files can be made in the folder of path.
    virtual bool FolderWritable(const std::string& path) = 0;
};

} // namespace tabulo
