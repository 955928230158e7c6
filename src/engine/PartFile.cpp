#include "engine/PartFile.h"

#include "engine/DbFile.h"

#include <cstring>

namespace tabulo {

namespace {

constexpr size_t kPiece = 64 * 1024;

} // namespace

PartFile::PartFile(FileSystem& fs, FilePath target)
    : fs_(fs), target_(std::move(target)), part_(target_.WithSuffix(".part")),
      file_(DbFile::Create(fs_, part_.Native())) {
    Did(file_ != nullptr);
}

PartFile::~PartFile() {
    if (committed_) return;
    file_.reset();
    DbFile::Remove(fs_, part_.Native());
}

bool PartFile::Did(bool ok) {
    if (!ok && Good()) {
        const int error = DbFile::LastError();
        reason_ = std::strerror(error != 0 ? error : EIO);
    }
    return ok;
}

void PartFile::Write(std::string_view bytes) {
    if (!Good()) return;
    pending_ += bytes;
    if (pending_.size() >= kPiece) WritePending();
}

void PartFile::WritePending() {
    if (Did(file_->WriteAt(written_, pending_.data(), pending_.size())))
        written_ += static_cast<int64_t>(pending_.size());
    pending_.clear();
}

bool PartFile::Commit() {
    if (Good() && !pending_.empty()) WritePending();
    if (!Good() || !Did(file_->Flush()) || !Did(file_->Close()) ||
        !Did(DbFile::Rename(fs_, part_.Native(), target_.Native())))
        return false;
    committed_ = true;
    return true;
}

} // namespace tabulo
