// modDB: the operations that write to the file, each under the byte-0 lock. Before writing,
// a copy makes sure that the file it has open is still the database at its path: after
// another copy's pack it is the old file, whatever names it still has, and a write there
// would be lost. A file put in its place is written only when its form is the same.

#include "engine/modDB.h"
#include "engine/modDBState.h"

namespace tabulo {

namespace {

// An append that keeps finding the database packed anew gives up after this many reopens.
constexpr int kMostReopens = 3;

} // namespace

// Writes the buffer over the current record, or refuses when the record may have another
// number now: the database is reopened at its first record instead.
int modDB::State::RewriteCurrent(const char* title) {
    if (packing) return RefuseWhilePacking(title);
    ByteZeroLock lock(*file, lockPatience);
    if (!lock.Held()) return Fail(title, kUnexpected);
    if (const OpenFileState found = CheckOpenFile(*file, header); found != OpenFileState::Current) {
        lock.Release();
        if (found == OpenFileState::Unreadable) return FailIo(title); // the check's read failed
        if (!FollowReplacement(found, title)) return 0;
        if (current == 1) ReadCurrent();
        return Fail(title, kPackedByOther);
    }
    if (!file->WriteAt(RecordOffset(current, header.RecordLength), buffer.data(), buffer.size()) ||
        !lock.Release())
        return FailIo(title);
    return 1;
}

int modDB::WriteRecord() {
    State& s = *s_;
    if (!s.IsOpen()) return s.Fail("WRITE RECORD", "DB not open");
    if (s.current == 0) return s.Fail("WRITE RECORD", "DB is empty");
    if (s.IsReadOnly()) return s.FailReadOnly("WriteRecord");
    return s.RewriteCurrent("WriteRecord");
}

int modDB::DeleteRecord() {
    State& s = *s_;
    if (!s.IsOpen()) return s.Fail("DELETE RECORD", "DB not open");
    if (s.current == 0) return s.Fail("DELETE RECORD", "DB is empty");
    if (s.buffer[0] == '*')
        return s.Fail("DELETE RECORD", "Record is already marked for deletion!");
    if (s.IsReadOnly()) return s.FailReadOnly("DeleteRecord");
    const std::string before = s.buffer;
    s.buffer[0] = '*';
    const unsigned long opened = s.openCount;
    const int result = s.RewriteCurrent("DeleteRecord");
    if (result == 0 && s.openCount == opened) s.buffer = before; // the mark did not reach the file
    return result;
}

int modDB::AddRecord() {
    return AddRecord(nullptr);
}

int modDB::AddRecord(const std::function<void(long number)>& numberRecord, RecordMark mark) {
    State& s = *s_;
    if (!s.IsOpen()) return s.Fail("ADD RECORD", "DB not open");
    if (s.header.RecordCount >= kMaxRecords) return s.Fail("ADD RECORD", "DB is Full");
    if (s.packing) return s.RefuseWhilePacking("AddRecord");
    if (s.IsReadOnly()) return s.FailReadOnly("AddRecord");
    for (int reopens = 0;; ++reopens) {
        ByteZeroLock lock(*s.file, s.lockPatience);
        if (!lock.Held()) return s.Fail("AddRecord", kUnexpected);
        const OpenFileState found = CheckOpenFile(*s.file, s.header);
        if (found == OpenFileState::Current) return s.AppendLocked(lock, numberRecord, mark);
        // Packed by another copy: the record goes to the packed file at the same path.
        lock.Release();
        if (found == OpenFileState::Unreadable) return s.FailIo("AddRecord");
        if (reopens == kMostReopens) return s.Fail("AddRecord", kUnexpected);
        const std::string record = s.buffer;
        if (!s.FollowReplacement(found, "AddRecord")) return 0;
        s.buffer = record; // the form is the same, and so is the record's length
    }
}

int modDB::State::AppendLocked(ByteZeroLock& lock,
                               const std::function<void(long number)>& numberRecord,
                               RecordMark mark) {
    // Sizes and counts only grow, and a record is written before the count: a file exactly as
    // long as the count last seen says still holds that count, so it need not be read again.
    const int64_t size = file->Size();
    int32_t claimed = stored.claimed;
    const bool countKnown = size == RecordOffset(claimed + 1L, header.RecordLength);
    // A negative count is a damaged header: appending at record 1 would overwrite what is there.
    if (size < 0 || (!countKnown && !ReadRecordCount(*file, claimed))) return FailIo("AddRecord");
    if (claimed < 0) return Fail("AddRecord", kUnexpected);
    const long count = UsableCount(claimed);
    if (count >= kMaxRecords) {
        // Other copies of the program filled the file since this copy last looked.
        header.RecordCount = static_cast<int32_t>(count);
        return Fail("ADD RECORD", "DB is Full");
    }
    const auto added = static_cast<int32_t>(count + 1);
    if (numberRecord) numberRecord(added);
    buffer[0] = mark == RecordMark::Deleted ? '*' : ' ';
    // The record goes in before the count, so a failure in between leaves the file consistent.
    if (!file->WriteAt(RecordOffset(added, header.RecordLength), buffer.data(), buffer.size()) ||
        !WriteRecordCount(*file, added))
        return FailIo("AddRecord");
    header.RecordCount = added;
    stored.claimed = added;
    stored.held = std::max<int64_t>(stored.held, added);
    current = added;
    if (!lock.Release()) return FailIo("AddRecord");
    return 1;
}

} // namespace tabulo
