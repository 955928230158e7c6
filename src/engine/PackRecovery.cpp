#include "engine/PackRecovery.h"

#include "engine/DbAccess.h"
#include "engine/DbFile.h"

#include <memory>

namespace tabulo {

namespace {

// The file opened and its lock taken (closing it releases the lock); nullptr when another
// copy holds the lock past the patience, or the file cannot be opened.
std::unique_ptr<DbFile> OpenLocked(const std::string& path, std::chrono::milliseconds patience) {
    std::unique_ptr<DbFile> file = DbFile::Open(path);
    if (!file || !LockByte0(*file, patience)) return nullptr;
    return file;
}

bool SameFile(const std::string& a, const std::string& b) {
    FileId ia, ib;
    return DbFile::IdOf(a, ia) && DbFile::IdOf(b, ib) && ia == ib;
}

class Recovery {
public:
    explicit Recovery(const PackFileNames& names) : f_(names) {}

    // No database at the path: the most complete file a pack left takes its place.
    bool PutDatabaseBack() {
        if (DbFile::Exists(f_.hold)) return PutBack(f_.hold, "the old file " + f_.hold);
        if (IsFinishedWorkFile(f_.work))
            return PutBack(f_.work, "the packed file " + f_.work + ", which was complete,");
        if (DbFile::Exists(f_.backup)) return PutBack(f_.backup, "the old file " + f_.backup);
        return false;
    }

    // The second name of the old file and the work file, when no pack runs any more.
    void ClearLeftovers(bool databaseLockHeld, std::chrono::milliseconds patience) {
        const bool hold = DbFile::Exists(f_.hold), work = DbFile::Exists(f_.work);
        if (!hold && !work) return;
        std::unique_ptr<DbFile> databaseLock;
        if (!databaseLockHeld && !(databaseLock = OpenLocked(f_.database, patience))) return;
        if (hold && !ClearHold(patience)) return;
        if (work && DbFile::Remove(f_.work))
            Note("A pack of " + f_.database + " was cut short before it was finished; its " +
                 "unfinished work file " + f_.work + " was removed.");
    }

    std::string Notes() const { return notes_; }

private:
    bool PutBack(const std::string& from, const std::string& what) {
        if (!DbFile::Rename(from, f_.database)) return false;
        Note(f_.database + " was missing after a pack was cut short; " + what +
             " has been put in its place.");
        return true;
    }

    // Still the database's own second name: the swap never happened. Otherwise the packed
    // file took its place and the old file becomes the backup, once its pack has ended.
    bool ClearHold(std::chrono::milliseconds patience) {
        if (SameFile(f_.hold, f_.database)) {
            if (!DbFile::Remove(f_.hold)) return false;
            Note("A pack of " + f_.database + " was cut short before the packed file took " +
                 "its place; the database is as it was before the pack.");
            return true;
        }
        const std::unique_ptr<DbFile> holdLock = OpenLocked(f_.hold, patience);
        if (!holdLock || !DbFile::Rename(f_.hold, f_.backup)) return false;
        Note("A pack of " + f_.database + " was cut short after the packed file took its " +
             "place; the old file has been kept as " + f_.backup + ".");
        return true;
    }

    void Note(const std::string& sentence) {
        if (!notes_.empty()) notes_ += "\r\n";
        notes_ += sentence;
    }

    const PackFileNames& f_;
    std::string notes_;
};

} // namespace

bool IsFinishedWorkFile(const std::string& path) {
    const std::unique_ptr<DbFile> file = DbFile::Open(path);
    DBHeader header;
    if (!file || !ReadHeader(*file, header) || !UsableHeader(header)) return false;
    const StoredRecords stored =
        CountStoredRecords(header.RecordCount, header.RecordLength, file->Size());
    return stored.claimed >= 1 && stored.held == stored.claimed && stored.trailingBytes == 0;
}

std::string RecoverCutShortPack(const PackFileNames& names, std::chrono::milliseconds patience) {
    Recovery recovery(names);
    if (DbFile::Exists(names.database) || recovery.PutDatabaseBack())
        recovery.ClearLeftovers(false, patience);
    return recovery.Notes();
}

void ClearPackLeftovers(const PackFileNames& names) {
    Recovery(names).ClearLeftovers(true, {});
}

} // namespace tabulo
