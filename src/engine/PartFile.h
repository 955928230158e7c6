#pragma once
// A file that appears under its name only once it is whole. It is written under a temporary
// name beside the target (the target's name + ".part") and renamed over the target by
// Commit, after its bytes have reached the disk. A failure at any step (a write, the flush,
// the close, the rename) leaves no file under the target's name, an older file of that name
// as it was, and no temporary file. Writes are gathered and go out in large pieces through
// DbFile, on the file system it is given.

#include "base/FilePath.h"
#include "engine/FileSystem.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace tabulo {

class DbFile;

class PartFile {
public:
    PartFile(FileSystem& fs, FilePath target);
    ~PartFile(); // removes the temporary file unless committed
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    // False from the first failure on; later writes are dropped.
    bool Good() const { return reason_.empty(); }
    // The system's words for the first failure, e.g. "No space left on device".
    const std::string& Reason() const { return reason_; }

    void Write(std::string_view bytes);
    // Puts the file in place under the target's name; false when any step failed.
    bool Commit();

private:
    void WritePending();
    bool Did(bool ok);

    FileSystem& fs_;
    FilePath target_, part_;
    std::string reason_, pending_;
    std::unique_ptr<DbFile> file_;
    int64_t written_ = 0;
    bool committed_ = false;
};

} // namespace tabulo
