#include "engine/PackRecovery.h"

#include "engine/DbAccess.h"
#include "engine/DbFile.h"

#include <memory>

namespace tabulo {

namespace {

// The file at path opened and its lock taken (closing it releases the lock), still at that
// path once locked; nullptr when another copy holds the lock past the patience, the name has
// gone to another file meanwhile, or the file cannot be opened.
std::unique_ptr<DbFile> LockFileAt(FileSystem& fs, const FilePath& path,
                                   std::chrono::milliseconds patience) {
    std::unique_ptr<DbFile> file = DbFile::Open(fs, path.Native());
    if (!file || !LockByte0(*file, patience) || !file->IsStillAtPath()) return nullptr;
    return file;
}

class Recovery {
public:
    Recovery(FileSystem& fs, const PackFileNames& names) : fs_(fs), f_(names) {}

    // No database at the path (a pack that renamed it away was cut short): a finished work
    // file takes its place, or else the old file kept as the backup.
    bool PutDatabaseBack(std::chrono::milliseconds patience) {
        if (IsFinishedWorkFile(fs_, f_.work))
            return PutBack(f_.work, "the packed file " + f_.work.Text() + ", which was complete,",
                           patience);
        if (DbFile::Exists(fs_, f_.backup.Native()))
            return PutBack(f_.backup, "the old file " + f_.backup.Text(), patience);
        return false;
    }

    // The files of a pack that no longer runs, which the caller knows by holding the lock of
    // the database file: before the swap both go (the database is the old file), after it
    // the copy of the old file becomes the backup.
    void ClearLeftovers() {
        if (DbFile::Exists(fs_, f_.work.Native())) {
            // The copy first: a copy without a work file would pass for a finished one.
            if (DbFile::Exists(fs_, f_.oldCopy.Native()) &&
                !DbFile::Remove(fs_, f_.oldCopy.Native()))
                return;
            if (DbFile::Remove(fs_, f_.work.Native()))
                Note("A pack of " + f_.database.Text() +
                     " was cut short before the packed file took " +
                     "its place; the database is as it was, and the pack's unfinished files " +
                     "were removed.");
        } else if (DbFile::Exists(fs_, f_.oldCopy.Native())) {
            if (!DbFile::Rename(fs_, f_.oldCopy.Native(), f_.backup.Native())) return;
            Note("A pack of " + f_.database.Text() + " was cut short after the packed file took " +
                 "its place; the old file has been kept as " + f_.backup.Text() + ".");
        }
    }

    std::string Notes() const { return notes_; }

private:
    // A running pack holds the lock of its work file: that one is never moved.
    bool PutBack(const FilePath& from, const std::string& what,
                 std::chrono::milliseconds patience) {
        const std::unique_ptr<DbFile> held = LockFileAt(fs_, from, patience);
        if (!held || !DbFile::Rename(fs_, from.Native(), f_.database.Native())) return false;
        Note(f_.database.Text() + " was missing after a pack was cut short; " + what +
             " has been put in its place.");
        return true;
    }

    void Note(const std::string& sentence) {
        if (!notes_.empty()) notes_ += "\r\n";
        notes_ += sentence;
    }

    FileSystem& fs_;
    const PackFileNames& f_;
    std::string notes_;
};

} // namespace

bool IsFinishedWorkFile(FileSystem& fs, const FilePath& path) {
    const std::unique_ptr<DbFile> file = DbFile::Open(fs, path.Native());
    DBHeader header;
    if (!file || !ReadHeader(*file, header) || !UsableHeader(header)) return false;
    const StoredRecords stored =
        CountStoredRecords(header.RecordCount, header.RecordLength, file->Size());
    return stored.claimed >= 1 && stored.held == stored.claimed && stored.trailingBytes == 0;
}

std::string RecoverCutShortPack(FileSystem& fs, const PackFileNames& names,
                                std::chrono::milliseconds patience) {
    Recovery recovery(fs, names);
    if (!DbFile::Exists(fs, names.database.Native()) && !recovery.PutDatabaseBack(patience))
        return recovery.Notes();
    const bool leftovers =
        DbFile::Exists(fs, names.work.Native()) || DbFile::Exists(fs, names.oldCopy.Native());
    if (leftovers)
        if (const std::unique_ptr<DbFile> held = LockFileAt(fs, names.database, patience))
            recovery.ClearLeftovers();
    return recovery.Notes();
}

void ClearPackLeftovers(FileSystem& fs, const PackFileNames& names) {
    Recovery(fs, names).ClearLeftovers();
}

bool PackIsRunning(FileSystem& fs, const PackFileNames& names, std::chrono::milliseconds patience) {
    const std::unique_ptr<DbFile> file = DbFile::Open(fs, names.database.Native());
    return file && !(LockByte0(*file, patience) && file->IsStillAtPath());
}

} // namespace tabulo
