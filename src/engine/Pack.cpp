// modDB::PackRecords: rewrites the open database without the records marked "*".
//
// The packed copy is built in base + ".TbB" and flushed to disk; only then is the old file
// renamed to base + ".Bak" and the work file to base + ".Tbd", and the directory flushed.
// Whatever step fails, the old data is left in ".Tbd" (or, at worst, in ".Bak"), no work
// file is left behind, and the database is opened again.

#include "engine/modDB.h"
#include "engine/modDBState.h"

namespace tabulo {

namespace {

constexpr const char* kConfirmText = "Make sure database is not opened by other users!\r\n"
                                     "This can corrupt your database!!!\r\n"
                                     "Continue Yes/No?";

// Kept records are gathered and written in pieces of about this size.
constexpr size_t kWriteChunk = 64 * 1024;

} // namespace

class Packer {
public:
    Packer(modDB& db, modDB::State& state, ProgressSink& progress)
        : db_(db), s_(state), progress_(progress), base_(state.baseName), dbPath_(base_ + ".Tbd"),
          workPath_(base_ + ".TbB"), bakPath_(base_ + ".Bak") {}

    int Run() {
        if (!RemoveStaleFiles() || !BuildWorkFile() || !CloseDatabaseFile() || !SwapFiles())
            return Fail();
        std::string name = base_;
        const int opened = db_.OpenDatabase(name);
        progress_.HidePer();
        return opened;
    }

private:
    enum class Stage { Started, WorkFileCreated, OldFileMoved, Swapped };

    bool RemoveStaleFiles() {
        if (DbFile::Exists(bakPath_) && !DbFile::Remove(bakPath_)) return false;
        return !DbFile::Exists(workPath_) || DbFile::Remove(workPath_);
    }

    bool BuildWorkFile() {
        work_ = DbFile::Create(workPath_);
        if (!work_) return false;
        stage_ = Stage::WorkFileCreated;
        if (!WriteHeader(s_.header)) return false;

        s_.lastReadFailed = false;
        db_.GotoFirstRecord();
        const long total = s_.header.RecordCount;
        for (long i = 1; i <= total; ++i) {
            progress_.ProcessEvents();
            progress_.ShowPer(i, s_.header.RecordCount);
            // A record that could not be read must not be copied as whatever the buffer held.
            if (s_.lastReadFailed) return false;
            if (s_.buffer[0] != '*' && !Keep(s_.buffer)) return false;
            db_.GotoNextRecord();
        }
        if (!WritePending()) return false;

        DBHeader packed = s_.header;
        packed.RecordCount = static_cast<int32_t>(kept_);
        return WriteHeader(packed) && work_->Flush() && work_->Close();
    }

    bool WriteHeader(const DBHeader& header) {
        const std::string bytes = EncodeHeader(header);
        return work_->WriteAt(0, bytes.data(), bytes.size());
    }

    bool Keep(const std::string& record) {
        ++kept_;
        pending_ += record;
        return pending_.size() < kWriteChunk || WritePending();
    }

    bool WritePending() {
        if (pending_.empty()) return true;
        if (!work_->WriteAt(writeAt_, pending_.data(), pending_.size())) return false;
        writeAt_ += static_cast<int64_t>(pending_.size());
        pending_.clear();
        return true;
    }

    bool CloseDatabaseFile() {
        const bool closed = s_.file->Close();
        s_.Reset();
        return closed;
    }

    bool SwapFiles() {
        if (!DbFile::Rename(dbPath_, bakPath_)) return false;
        stage_ = Stage::OldFileMoved;
        if (!DbFile::Rename(workPath_, dbPath_)) return false;
        stage_ = Stage::Swapped;
        return DbFile::SyncDirectoryOf(dbPath_);
    }

    // Puts the files back as they were (unless the swap is already complete), tells the user
    // and opens the database again.
    int Fail() {
        if (work_) work_->Close();
        if (stage_ == Stage::OldFileMoved) DbFile::Rename(bakPath_, dbPath_);
        if (stage_ != Stage::Started && stage_ != Stage::Swapped) DbFile::Remove(workPath_);
        progress_.HidePer();
        s_.Fail("Pack Database", "Unexpected Error");
        if (!s_.IsOpen()) {
            std::string name = base_;
            db_.OpenDatabase(name);
        }
        return 0;
    }

    modDB& db_;
    modDB::State& s_;
    ProgressSink& progress_;
    const std::string base_, dbPath_, workPath_, bakPath_;
    Stage stage_ = Stage::Started;
    std::unique_ptr<DbFile> work_;
    std::string pending_;
    int64_t writeAt_ = kHeaderSize;
    long kept_ = 0;
};

int modDB::PackRecords(ProgressSink& progress) {
    if (!s_->IsOpen()) return s_->Fail("PACK RECORDS", "DB not open!");
    if (!s_->reporter.Ask("Pack", kConfirmText, MsgIcon::None, true)) return 0;
    return Packer(*this, *s_, progress).Run();
}

} // namespace tabulo
