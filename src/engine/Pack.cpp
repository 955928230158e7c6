// modDB::PackRecords: rewrites the open database without the records marked "*";
// modDB::RewriteRecords: the same steps for any rewrite of the records (RecordRewrite.h).
//
// The pack holds the byte-0 lock of the database file for its whole run, so no other copy
// writes meanwhile: their writes fail at once with their usual message, and what they write
// afterwards goes into the packed file. The packed copy is built in the work file, which
// counts 0 records until all are written and is locked from its creation to the pack's end,
// and a copy of the old file is made for the backup; both are flushed before the work file
// takes the database's place, in steps that keep a complete database at its path at every
// moment (PackRecovery.h). So whatever file is at the path is locked while the pack lives,
// and every other copy that still has the old file open sees that it is no longer the one.

#include "engine/PackRecovery.h"
#include "engine/RecordRewrite.h"
#include "engine/modDB.h"
#include "engine/modDBState.h"

#include <cstring>

namespace tabulo {

namespace {

constexpr const char* kConfirmText = "Make sure database is not opened by other users!\r\n"
                                     "This can corrupt your database!!!\r\n"
                                     "Continue Yes/No?";
constexpr const char* kTitle = "Pack Database";
constexpr const char* kLockedByOther = "Another user is writing to it";

// Records are read and written in blocks of about this size.
constexpr size_t kBlock = 1 << 20;

// Pack's rewrite: the header as it is, the records not marked deleted as they are.
class KeepLiveRecords : public RecordRewrite {
public:
    explicit KeepLiveRecords(Reporter& reporter) : reporter_(reporter) {}

    DBHeader NewHeader(const DBHeader& old) const override { return old; }
    bool Begin(const DBHeader&, long total) override {
        if (total < 1) reporter_.Message("GOTO FIRST RECORD", "DB is empty", MsgIcon::Critical);
        return true;
    }
    bool Rewrite(long, std::string_view record, std::string& out) override {
        if (record[0] != '*') out.append(record);
        return true;
    }
    const char* Title() const override { return kTitle; }
    const char* Done() const override { return "The database has been packed"; }
    const char* Stopped() const override { return "The pack stopped"; }

private:
    Reporter& reporter_;
};

} // namespace

class Packer {
public:
    Packer(modDB::State& state, ProgressSink& progress, RecordRewrite& rewrite)
        : s_(state), progress_(progress), rewrite_(rewrite) {}

    int Run() {
        s_.packing = true;
        const int result = Pack();
        s_.packing = false;
        progress_.HidePer();
        return result;
    }

private:
    int Pack() {
        f_ = PackNamesOf(s_.path);
        if (!LockDatabase()) return 0;
        if (!DropConfirmed()) {
            s_.file->UnlockByte0();
            return 0;
        }
        ClearPackLeftovers(s_.fs, f_);
        if (!BuildWorkFile() || !CopyOldFile() || !PutPackedFileInPlace()) return Undo();
        // The database is the packed file from here on; what fails now is reported with it.
        std::string warning;
        if (!Did(DbFile::Rename(s_.fs, f_.oldCopy.Native(), f_.backup.Native()),
                 "renaming the old file to " + f_.backup.Text()))
            warning = std::string(rewrite_.Done()) + ", but " + Failure() +
                      ".\r\nThe old file is kept as " + f_.oldCopy.Text() + ".";
        else if (!Did(DbFile::SyncDirectoryOf(s_.fs, f_.database.Native()),
                      "flushing the folder to disk"))
            warning = std::string(rewrite_.Done()) + ", but " + Failure() +
                      ".\r\nThe old file is " + f_.backup.Text() + ".";
        const int opened = ReopenPacked();
        if (!warning.empty()) s_.reporter.Message(rewrite_.Title(), warning, MsgIcon::Critical);
        return opened;
    }

    // Without waiting: another copy that holds the lock is writing, and the pack is refused.
    // A file that another copy has packed meanwhile is reopened first, and that one packed.
    // False once the refusal has been reported.
    bool LockDatabase() {
        for (int tries = 0; tries < 2; ++tries) {
            if (!s_.file->TryLockByte0()) {
                const int error = DbFile::LastError();
                s_.FailBecause(rewrite_.Title(),
                               (DbFile::LockIsBusy(error) ? std::string(kLockedByOther)
                                                          : std::strerror(error)) +
                                   ": " + s_.path.Text());
                return false;
            }
            const OpenFileState found = CheckOpenFile(*s_.file, s_.header);
            if (found == OpenFileState::Current) return true;
            s_.file->UnlockByte0();
            if (found == OpenFileState::Unreadable) {
                Did(false, "reading " + f_.database.Text());
                s_.Fail(rewrite_.Title(), Stopped());
                return false;
            }
            if (!s_.FollowReplacement(found, rewrite_.Title())) return false;
            if (s_.current == 1) s_.ReadCurrent();
        }
        s_.FailBecause(rewrite_.Title(),
                       "It was packed again by another user meanwhile: " + s_.path.Text());
        return false;
    }

    // Whole records after those the count covers are no records, and the packed file leaves
    // them out; two packs would lose them for good. The user is told how many, and decides.
    bool DropConfirmed() {
        const int64_t beyond = s_.RecordsBeyondCount();
        return beyond <= 0 ||
               s_.reporter.Ask(modDB::kDropQuestionTitle,
                               "The file holds " + std::to_string(beyond) +
                                   " records after those its header counts.\r\nThe pack "
                                   "drops them for good.\r\nDrop " +
                                   std::to_string(beyond) + " records Yes/No?",
                               MsgIcon::Critical, true);
    }

    bool BuildWorkFile() {
        // Every record appended before the lock was taken is packed: the count is read afresh.
        int32_t claimed = 0;
        if (!Did(ReadRecordCount(*s_.file, claimed), "reading " + f_.database.Text())) return false;
        const long total = s_.UsableCount(claimed);
        s_.header.RecordCount = static_cast<int32_t>(total);
        if (!Did(rewrite_.Begin(s_.header, total), "checking " + f_.database.Text(),
                 rewrite_.Refusal()))
            return false;
        work_ = DbFile::Create(s_.fs, f_.work.Native());
        if (!Did(work_ != nullptr && work_->TryLockByte0(),
                 "creating the work file " + f_.work.Text()))
            return false;
        DBHeader header = rewrite_.NewHeader(s_.header);
        newLength_ = static_cast<size_t>(header.RecordLength);
        header.RecordCount = 0; // a work file cut short never passes for the database
        const std::string headerBytes = EncodeHeader(header);
        const std::string writing = "writing the work file " + f_.work.Text();
        const std::string flushing = "flushing the work file " + f_.work.Text() + " to disk";
        return Did(work_->WriteAt(0, headerBytes.data(), headerBytes.size()), writing) &&
               CopyKeptRecords(total) && Did(work_->Flush(), flushing) &&
               Did(WriteRecordCount(*work_, static_cast<int32_t>(kept_)), writing) &&
               Did(work_->Flush(), flushing);
    }

    bool CopyKeptRecords(long total) {
        const auto length = static_cast<size_t>(s_.header.RecordLength);
        const long perBlock = std::max<long>(1, static_cast<long>(kBlock / length));
        std::string in(static_cast<size_t>(std::min(perBlock, std::max(total, 1L))) * length, ' ');
        std::string out;
        int64_t writeAt = kHeaderSize;
        for (long first = 1; first <= total; first += perBlock) {
            const long n = std::min(perBlock, total - first + 1);
            const size_t bytes = static_cast<size_t>(n) * length;
            const long got =
                s_.file->ReadAt(RecordOffset(first, s_.header.RecordLength), in.data(), bytes);
            if (!Did(got >= 0, "reading " + f_.database.Text()) ||
                !Did(got == static_cast<long>(bytes), "reading " + f_.database.Text(),
                     "the file ended before its last record"))
                return false;
            for (long i = 0; i < n; ++i) {
                progress_.ProcessEvents();
                progress_.ShowPer(first + i, total);
                const size_t before = out.size();
                const std::string_view record(in.data() + static_cast<size_t>(i) * length, length);
                if (!Did(rewrite_.Rewrite(first + i, record, out),
                         "rewriting record " + std::to_string(first + i), rewrite_.Refusal()))
                    return false;
                kept_ += static_cast<long>((out.size() - before) / newLength_);
            }
            if (out.empty() || (out.size() < kBlock && first + n <= total)) continue;
            if (!Did(work_->WriteAt(writeAt, out.data(), out.size()),
                     "writing the work file " + f_.work.Text()))
                return false;
            writeAt += static_cast<int64_t>(out.size());
            out.clear();
        }
        return true;
    }

    // The backup is a copy of the old file, byte for byte, made while the lock keeps it
    // unchanged.
    bool CopyOldFile() {
        copy_ = DbFile::Create(s_.fs, f_.oldCopy.Native());
        const std::string writing = "writing the copy of the old file " + f_.oldCopy.Text();
        if (!Did(copy_ != nullptr, writing)) return false;
        const int64_t size = s_.file->Size();
        if (!Did(size >= 0, "reading " + f_.database.Text())) return false;
        std::string block(static_cast<size_t>(std::min<int64_t>(size, kBlock)), ' ');
        for (int64_t at = 0; at < size; at += static_cast<int64_t>(block.size())) {
            const size_t n = static_cast<size_t>(std::min<int64_t>(size - at, kBlock));
            if (!Did(s_.file->ReadAt(at, block.data(), n) == static_cast<long>(n),
                     "reading " + f_.database.Text()) ||
                !Did(copy_->WriteAt(at, block.data(), n), writing))
                return false;
        }
        return Did(copy_->Flush(),
                   "flushing the copy of the old file " + f_.oldCopy.Text() + " to disk");
    }

    bool PutPackedFileInPlace() {
        const FileId packed = work_->Id();
        FileId atPath;
        // A file system may report a failure of a rename that it did all the same.
        return Did(DbFile::Rename(s_.fs, f_.work.Native(), f_.database.Native()) ||
                       (DbFile::IdOf(s_.fs, f_.database.Native(), atPath) && atPath == packed),
                   "putting the packed file in the place of " + f_.database.Text());
    }

    // Before the swap: the database file is as it was and stays open. Only the pack's own
    // files are removed, the copy first (a copy without a work file would pass for the copy
    // of a finished pack).
    int Undo() {
        if (work_ && work_->IsOpen()) work_->Close();
        copy_.reset();
        if (!DbFile::Exists(s_.fs, f_.oldCopy.Native()) ||
            DbFile::Remove(s_.fs, f_.oldCopy.Native()))
            DbFile::Remove(s_.fs, f_.work.Native());
        s_.file->UnlockByte0();
        return s_.Fail(rewrite_.Title(), Stopped());
    }

    // What a pack that changed nothing says: the step that failed and why.
    std::string Stopped() const {
        return std::string(kUnexpected) + "\r\n" + rewrite_.Stopped() + " because " + Failure() +
               ".\r\nThe database " + f_.database.Text() + " has not been changed.";
    }

    // Releases the packed file and the old one (their locks go with them) and opens the file
    // at the same path. The pack is done either way: when the packed file cannot be opened,
    // the database is left closed and that is said.
    int ReopenPacked() {
        const FilePath path = s_.path, base = s_.baseName;
        work_.reset();
        copy_.reset();
        s_.file->UnlockByte0();
        s_.Reset();
        if (!s_.OpenFile(path, base)) {
            s_.Reset();
            s_.FailBecause("Open Database", s_.openFailure);
            return 1;
        }
        if (s_.current == 1) s_.ReadCurrent();
        return 1;
    }

    // Remembers the step and the system's reason when ok is false.
    bool Did(bool ok, const std::string& step, const char* reason = nullptr) {
        if (!ok) {
            failedStep_ = step;
            reason_ = reason ? reason : std::strerror(DbFile::LastError());
        }
        return ok;
    }
    std::string Failure() const { return failedStep_ + " failed (" + reason_ + ")"; }

    modDB::State& s_;
    ProgressSink& progress_;
    RecordRewrite& rewrite_;
    PackFileNames f_;
    std::unique_ptr<DbFile> work_, copy_;
    long kept_ = 0;
    size_t newLength_ = 1;
    std::string failedStep_, reason_;
};

int modDB::PackRecords(ProgressSink& progress) {
    if (!s_->IsOpen()) return s_->Fail("PACK RECORDS", "DB not open!");
    if (s_->IsReadOnly()) return s_->FailReadOnly(kTitle);
    if (!s_->reporter.Ask("Pack", kConfirmText, MsgIcon::None, true)) return 0;
    KeepLiveRecords keepLive(s_->reporter);
    return Packer(*s_, progress, keepLive).Run();
}

int modDB::RewriteRecords(RecordRewrite& rewrite, ProgressSink& progress) {
    if (!s_->IsOpen()) return s_->Fail(rewrite.Title(), "DB not open!");
    if (s_->IsReadOnly()) return s_->FailReadOnly(rewrite.Title());
    return Packer(*s_, progress, rewrite).Run();
}

} // namespace tabulo
