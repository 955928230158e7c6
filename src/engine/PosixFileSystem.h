#pragma once
// The machine's file system through the POSIX calls.

#include "engine/FileSystem.h"

namespace tabulo {

class PosixFileSystem : public FileSystem {
public:
    int Open(const std::string& path, Access access, FileId& id) override;
    int64_t SizeOf(const OpenFile& file) override;
    long ReadAt(const OpenFile& file, int64_t offset, void* buf, size_t n) override;
    bool WriteAt(const OpenFile& file, int64_t offset, const void* buf, size_t n) override;
    bool Flush(const OpenFile& file) override;
    bool Close(const OpenFile& file) override;
    void Release(const OpenFile& file) override;
    bool LockByte0(const OpenFile& file) override;
    bool UnlockByte0(const OpenFile& file) override;

    bool IdOf(const std::string& path, FileId& id, bool& plain) override;
    bool Remove(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to) override;
    bool SyncDirectoryOf(const std::string& path) override;
    bool FolderWritable(const std::string& path) override;
};

// The machine's file system: one instance with no state, which the programs' entry points
// hand down to what they create.
FileSystem& MachineFileSystem();

} // namespace tabulo
