#include "engine/DbFile.h"

#include <cerrno>

namespace tabulo {

namespace {

// The reason of the thread's last failed operation, kept apart from errno, which the calls of
// a clean-up after the failure may overwrite.
thread_local int t_lastError = 0;

// Records the calling thread's failure (errno) as its last error; returns false.
bool Failed() {
    t_lastError = errno;
    return false;
}

bool FailWith(int error) {
    errno = error;
    return Failed();
}

} // namespace

std::unique_ptr<DbFile> DbFile::OpenAs(FileSystem& fs, const std::string& path,
                                       FileSystem::Access access) {
    FileId id;
    OpenFile file{fs.Open(path, access, id), path};
    if (file.descriptor < 0) return Failed(), nullptr;
    return std::unique_ptr<DbFile>(new DbFile(fs, std::move(file), id));
}

std::unique_ptr<DbFile> DbFile::Open(FileSystem& fs, const std::string& path) {
    return OpenAs(fs, path, FileSystem::Access::ReadWrite);
}

std::unique_ptr<DbFile> DbFile::Create(FileSystem& fs, const std::string& path) {
    return OpenAs(fs, path, FileSystem::Access::Create);
}

std::unique_ptr<DbFile> DbFile::OpenForReading(FileSystem& fs, const std::string& path) {
    return OpenAs(fs, path, FileSystem::Access::ReadOnly);
}

DbFile::~DbFile() {
    if (IsOpen()) fs_.Release(file_);
}

long DbFile::ReadAt(int64_t offset, void* buf, size_t n) const {
    if (!IsOpen() || offset < 0) return FailWith(EBADF), -1;
    const long bytes = fs_.ReadAt(file_, offset, buf, n);
    return bytes >= 0 ? bytes : (Failed(), -1);
}

bool DbFile::WriteAt(int64_t offset, const void* buf, size_t n) {
    if (!IsOpen() || offset < 0) return FailWith(EBADF);
    return fs_.WriteAt(file_, offset, buf, n) || Failed();
}

int64_t DbFile::Size() const {
    if (!IsOpen()) return FailWith(EBADF), -1;
    const int64_t size = fs_.SizeOf(file_);
    return size >= 0 ? size : (Failed(), -1);
}

bool DbFile::IsStillAtPath() const {
    FileId atPath;
    return IdOf(fs_, file_.path, atPath) && atPath == id_;
}

bool DbFile::Flush() {
    if (!IsOpen()) return FailWith(EBADF);
    return fs_.Flush(file_) || Failed();
}

bool DbFile::Close() {
    if (!IsOpen()) return FailWith(EBADF);
    const bool closed = fs_.Close(file_) || Failed();
    file_.descriptor = -1;
    return closed;
}

bool DbFile::TryLockByte0() {
    if (!IsOpen()) return FailWith(EBADF);
    return fs_.LockByte0(file_) || Failed();
}

bool DbFile::UnlockByte0() {
    if (!IsOpen()) return FailWith(EBADF);
    return fs_.UnlockByte0(file_) || Failed();
}

bool DbFile::LockIsBusy(int error) {
    return error == EAGAIN || error == EACCES;
}

bool DbFile::RefusesWriting(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

bool DbFile::FolderWritable(FileSystem& fs, const std::string& path) {
    return fs.FolderWritable(path) || !RefusesWriting(errno) || Failed();
}

bool DbFile::Exists(FileSystem& fs, const std::string& path) {
    FileId id;
    bool plain = false;
    return fs.IdOf(path, id, plain) && plain;
}

bool DbFile::IdOf(FileSystem& fs, const std::string& path, FileId& id) {
    bool plain = false;
    return fs.IdOf(path, id, plain) || Failed();
}

bool DbFile::Remove(FileSystem& fs, const std::string& path) {
    return fs.Remove(path) || Failed();
}

bool DbFile::Rename(FileSystem& fs, const std::string& from, const std::string& to) {
    return fs.Rename(from, to) || Failed();
}

bool DbFile::SyncDirectoryOf(FileSystem& fs, const std::string& path) {
    return fs.SyncDirectoryOf(path) || Failed();
}

int DbFile::LastError() {
    return t_lastError;
}

} // namespace tabulo
