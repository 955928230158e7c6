#include "engine/modDB.h"

#include "engine/FileName.h"
#include "engine/PackRecovery.h"
#include "engine/modDBState.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tabulo {

namespace {

// Opening waits this long for a pack's leftovers to be free of another copy's lock.
constexpr std::chrono::milliseconds kRepairPatience{500};

std::string SystemReason() {
    return std::strerror(DbFile::LastError());
}

// The file for reading and writing, or for reading only when the system refuses writing to
// it or to its folder (a pack makes its files there); readOnly then tells why.
std::unique_ptr<DbFile> OpenShared(FileSystem& fs, const FilePath& path, std::string& readOnly) {
    readOnly.clear();
    std::unique_ptr<DbFile> file = DbFile::Open(fs, path.Native());
    if (!file) {
        if (!DbFile::RefusesWriting(DbFile::LastError())) return nullptr;
        readOnly = SystemReason();
        return DbFile::OpenForReading(fs, path.Native());
    }
    if (!DbFile::FolderWritable(fs, path.Native())) readOnly = SystemReason() + " (its folder)";
    return file;
}

// Why a file that opened is no database: too short for a header, or a header whose records
// cannot be addressed. Empty when the header is sound.
std::string HeaderProblem(const DbFile& file, DBHeader& header) {
    if (ReadHeader(file, header)) {
        if (UsableHeader(header)) return {};
        return "Its header gives a record length of " + std::to_string(header.RecordLength);
    }
    const int64_t size = file.Size();
    if (size < 0 || size >= kHeaderSize) return SystemReason();
    return "It holds " + std::to_string(size) + " bytes, fewer than a header's " +
           std::to_string(kHeaderSize);
}

} // namespace

int modDB::State::FailIo(const char* title) {
    return FailBecause(title, SystemReason() + ": " + path.Text());
}

void modDB::State::Reset() {
    if (file) file->Close();
    file.reset();
    path = {};
    baseName = {};
    readOnly.clear();
    header = DefaultHeader(twipsX, twipsY);
    stored = StoredRecords{};
    current = 0;
    buffer.clear();
}

bool modDB::State::OpenFile(const FilePath& filePath, const FilePath& base) {
    std::string why;
    std::unique_ptr<DbFile> opened = OpenShared(fs, filePath, why);
    DBHeader read;
    std::string problem = opened ? HeaderProblem(*opened, read) : SystemReason();
    if (problem.empty() &&
        !TakeFile(std::move(opened), std::move(read), filePath, base, std::move(why)))
        problem = SystemReason();
    if (problem.empty()) return true;
    openFailure = problem + ": " + filePath.Text();
    return false;
}

bool modDB::State::TakeFile(std::unique_ptr<DbFile> opened, DBHeader read, const FilePath& filePath,
                            const FilePath& base, std::string readOnlyReason) {
    const int64_t size = opened->Size();
    if (size < 0) return false;
    if (file) file->Close();
    readOnly = std::move(readOnlyReason);
    file = std::move(opened);
    path = filePath;
    baseName = base;
    header = std::move(read);
    stored = CountStoredRecords(header.RecordCount, header.RecordLength, size);
    header.RecordCount = static_cast<int32_t>(stored.usable);
    buffer.assign(static_cast<size_t>(header.RecordLength), ' ');
    current = header.RecordCount < 1 ? 0 : 1;
    ++openCount;
    return true;
}

long modDB::State::UsableCount(int32_t claimed) {
    if (claimed > stored.held) {
        const int64_t size = file->Size();
        if (size >= 0) stored = CountStoredRecords(claimed, header.RecordLength, size);
    }
    stored.claimed = claimed;
    return static_cast<long>(std::clamp<int64_t>(claimed, 0, std::min(stored.held, kMaxRecords)));
}

bool modDB::State::FollowReplacement(OpenFileState found, const char* title) {
    std::unique_ptr<DbFile> opened;
    DBHeader read;
    if (found == OpenFileState::Replaced)
        found = OpenReplacement(fs, path.Native(), header, opened, read);
    const FilePath filePath = path, base = baseName;
    if (found == OpenFileState::Current &&
        TakeFile(std::move(opened), std::move(read), filePath, base, {}))
        return true;
    Fail(title, found == OpenFileState::FormChanged ? kFormChanged : kUnexpected);
    return false;
}

int64_t modDB::State::RecordsBeyondCount() const {
    int32_t claimed = 0;
    const int64_t size = file->Size();
    if (size < 0 || !ReadRecordCount(*file, claimed)) return 0;
    const StoredRecords now = CountStoredRecords(claimed, header.RecordLength, size);
    return now.held - now.usable;
}

modDB::modDB(Reporter& reporter, FileSystem& fs) : s_(std::make_unique<State>(reporter, fs)) {
}

modDB::~modDB() = default;

void modDB::SetScreenTwips(int twipsPerPixelX, int twipsPerPixelY) {
    s_->twipsX = twipsPerPixelX;
    s_->twipsY = twipsPerPixelY;
    if (!s_->IsOpen()) s_->header = DefaultHeader(twipsPerPixelX, twipsPerPixelY);
}

int modDB::OpenDatabase(const FilePath& given) {
    State& s = *s_;
    if (s.IsOpen()) {
        s.reporter.Message("OPEN DATABASE", "FILE:" + s.baseName.Text() + " already open",
                           MsgIcon::Critical);
        return 0;
    }
    const FilePath name = DatabaseBaseName(given);
    if (name.Empty()) return s.Fail("OPEN DATABASE", "Invalid File Name");
    FilePath path = FindDatabaseFile(s.fs, name);
    const std::string repaired = RecoverCutShortPack(
        s.fs, PackNamesOf(path.Empty() ? name.WithSuffix(".Tbd") : path), kRepairPatience);
    if (!repaired.empty()) s.reporter.Message("OPEN DATABASE", repaired, MsgIcon::None);
    if (path.Empty()) path = FindDatabaseFile(s.fs, name); // the repair may have put the file back
    if (path.Empty()) {
        s.reporter.Message("OPEN DATABASE", "FILE:" + name.Text() + " not found!",
                           MsgIcon::Critical);
        return 0;
    }
    if (!s.OpenFile(path, name)) {
        s.Reset();
        return s.FailBecause("Open Database", s.openFailure);
    }
    if (s.stored.claimed > s.stored.usable) s.ReportMissingRecords();
    if (s.stored.held > s.stored.usable) {
        // Seen without the lock, the record of an append under way would pass for one.
        const ByteZeroLock lock(*s.file, kRepairPatience);
        if (lock.Held()) s.ReportRecordsBeyondCount(s.RecordsBeyondCount());
    }
    if (s.current == 1) ReadRecord();
    return 1;
}

// A header that counts more records than the file holds (a copy cut short, a damaged file):
// the records that are not there are not shown, counted or packed.
void modDB::State::ReportMissingRecords() const {
    reporter.Message("OPEN DATABASE",
                     "FILE:" + baseName.Text() + " holds " + std::to_string(stored.usable) +
                         " records, but its header counts " + std::to_string(stored.claimed) +
                         ". Only the records the file holds are used.",
                     MsgIcon::Critical);
}

// Whole records after those the header counts: the result of an append cut short before
// it wrote the count, or of a count written by another tool. They are not shown or counted,
// and a pack leaves them out.
void modDB::State::ReportRecordsBeyondCount(int64_t beyond) const {
    if (beyond <= 0) return;
    reporter.Message("OPEN DATABASE",
                     "FILE:" + baseName.Text() + " holds " + std::to_string(beyond) +
                         " records after those its header counts. They are not shown or "
                         "counted, and a pack would drop them.",
                     MsgIcon::Critical);
}

int modDB::CloseDatabase() {
    if (!s_->IsOpen()) return s_->Fail("CLOSE DATABASE", "File not open!");
    if (s_->packing) return s_->Fail("CLOSE DATABASE", "The database is being packed.");
    s_->Reset();
    return 1;
}

int modDB::GetFileNumber() const {
    return s_->IsOpen() ? s_->file->Descriptor() + 1 : 0;
}

DbFile* modDB::GetFile() {
    return s_->file.get();
}

FileSystem& modDB::GetFileSystem() const {
    return s_->fs;
}

const FilePath& modDB::GetBaseName() const {
    return s_->baseName;
}

bool modDB::IsReadOnly() const {
    return !s_->readOnly.empty();
}

const FilePath& modDB::GetFilePath() const {
    return s_->path;
}

unsigned long modDB::OpenCount() const {
    return s_->openCount;
}

std::chrono::milliseconds modDB::SetLockPatience(std::chrono::milliseconds patience) {
    return std::exchange(s_->lockPatience, patience);
}

int modDB::ReadRecord() {
    State& s = *s_;
    if (!s.IsOpen()) return s.Fail("READ RECORD", "DB not open");
    if (s.current == 0) return s.Fail("READ RECORD", "DB is empty");
    return s.ReadCurrent();
}

int modDB::State::ReadCurrent() {
    const long got =
        file->ReadAt(RecordOffset(current, header.RecordLength), buffer.data(), buffer.size());
    lastReadFailed = got < 0;
    if (got < 0) return Fail("ReadRecord", kUnexpected);
    // A record the file holds only in part (the file shrank meanwhile) ends in spaces.
    std::fill(buffer.begin() + got, buffer.end(), ' ');
    return 1;
}

int modDB::IsDeleted() {
    State& s = *s_;
    if (!s.IsOpen()) return s.Fail("IS DELETED", "DB not open");
    if (s.current == 0) return s.Fail("IS DELETED", "DB is empty");
    return s.buffer[0] == '*' ? -1 : 0;
}

int modDB::ClearRecord() {
    State& s = *s_;
    if (!s.IsOpen()) return s.Fail("CLEAR RECORD", "DB not open!");
    s.buffer.assign(static_cast<size_t>(s.header.RecordLength), ' ');
    return 1;
}

const std::string& modDB::GetRecordBuffer() const {
    return s_->buffer;
}

void modDB::SetRecordBuffer(const std::string& record) {
    if (s_->IsOpen())
        s_->buffer = FixedString(record, static_cast<size_t>(s_->header.RecordLength));
}

long modDB::GetRecordNo() {
    if (!s_->IsOpen()) return s_->Fail("GET RECORD NO", "DB not open");
    return s_->current;
}

int modDB::SetRecordNo(long k) {
    State& s = *s_;
    if (!s.IsOpen()) return s.Fail("SET RECORD NO", "DB not open");
    if (k < 1 || k > s.header.RecordCount) return s.Fail("SET RECORD NO", "Record Out of range!");
    s.current = k;
    ReadRecord();
    return 1;
}

void modDB::State::RefreshRecordCount() {
    int32_t claimed = 0;
    if (ReadRecordCount(*file, claimed)) // else keep the count last known
        header.RecordCount = static_cast<int32_t>(UsableCount(claimed));
}

long modDB::GetRecordCount() {
    if (!s_->IsOpen()) return s_->Fail("GET RECORD COUNT", "DB not open");
    s_->RefreshRecordCount();
    return s_->header.RecordCount;
}

int modDB::GotoFirstRecord() {
    State& s = *s_;
    if (!s.IsOpen()) return s.Fail("GOTO FIRST RECORD", "DB not open!");
    if (s.header.RecordCount < 1) return s.Fail("GOTO FIRST RECORD", "DB is empty");
    s.current = 1;
    ReadRecord();
    return 1;
}

int modDB::GotoLastRecord() {
    State& s = *s_;
    if (!s.IsOpen()) return s.Fail("GOTO LAST RECORD", "DB not open!");
    if (s.header.RecordCount < 1) return s.Fail("GOTO LAST RECORD", "DB is empty");
    s.RefreshRecordCount();
    s.current = std::max<long>(s.header.RecordCount, 0);
    ReadRecord();
    return 1;
}

int modDB::GotoNextRecord() {
    State& s = *s_;
    if (!s.IsOpen()) return s.Fail("GOTO NEXT RECORD", "DB not open!");
    s.RefreshRecordCount();
    if (s.current >= s.header.RecordCount) return 0;
    ++s.current;
    ReadRecord();
    return 1;
}

int modDB::GotoPreviousRecord() {
    State& s = *s_;
    if (!s.IsOpen()) return s.Fail("GOTO PREVIOUS RECORD", "DB not open!");
    if (s.current <= 1) return 0;
    --s.current;
    ReadRecord();
    return 1;
}

} // namespace tabulo
