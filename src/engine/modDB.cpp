#include "engine/modDB.h"

#include "engine/FileName.h"
#include "engine/modDBState.h"

#include <algorithm>

namespace tabulo {

namespace {

constexpr const char* kUnexpected = "Unexpected Error";

bool WriteBuffer(DbFile& file, long k, const std::string& buffer, int32_t recordLength) {
    return file.WriteAt(RecordOffset(k, recordLength), buffer.data(), buffer.size());
}

} // namespace

void modDB::State::Reset() {
    if (file) file->Close();
    file.reset();
    baseName.clear();
    header = DefaultHeader(twipsX, twipsY);
    current = 0;
    buffer.clear();
}

modDB::modDB(Reporter& reporter) : s_(std::make_unique<State>(reporter)) {
}

modDB::~modDB() = default;

void modDB::SetScreenTwips(int twipsPerPixelX, int twipsPerPixelY) {
    s_->twipsX = twipsPerPixelX;
    s_->twipsY = twipsPerPixelY;
    if (!s_->IsOpen()) s_->header = DefaultHeader(twipsPerPixelX, twipsPerPixelY);
}

int modDB::OpenDatabase(std::string& name) {
    State& s = *s_;
    if (s.IsOpen()) {
        s.reporter.Message("OPEN DATABASE", "FILE:" + s.baseName + " already open",
                           MsgIcon::Critical);
        return 0;
    }
    name = DatabaseBaseName(name);
    if (name.empty()) return s.Fail("OPEN DATABASE", "Invalid File Name");
    const std::string path = name + ".Tbd";
    if (!DbFile::Exists(path)) {
        s.reporter.Message("OPEN DATABASE", "FILE:" + name + " not found!", MsgIcon::Critical);
        return 0;
    }

    s.file = DbFile::Open(path);
    DBHeader header;
    if (!s.file || !ReadHeader(*s.file, header) || !UsableHeader(header)) {
        s.Reset();
        return s.Fail("Open Database", kUnexpected);
    }
    s.header = std::move(header);
    s.baseName = name;
    s.buffer.assign(static_cast<size_t>(s.header.RecordLength), ' ');
    if (s.header.RecordCount < 1) {
        s.current = 0;
    } else {
        s.current = 1;
        ReadRecord();
    }
    return 1;
}

int modDB::CloseDatabase() {
    if (!s_->IsOpen()) return s_->Fail("CLOSE DATABASE", "File not open!");
    s_->Reset();
    return 1;
}

int modDB::GetFileNumber() const {
    return s_->IsOpen() ? s_->file->Descriptor() + 1 : 0;
}

DbFile* modDB::GetFile() {
    return s_->file.get();
}

const std::string& modDB::GetBaseName() const {
    return s_->baseName;
}

int modDB::ReadRecord() {
    State& s = *s_;
    if (!s.IsOpen()) return s.Fail("READ RECORD", "DB not open");
    if (s.current == 0) return s.Fail("READ RECORD", "DB is empty");
    const long got = s.file->ReadAt(RecordOffset(s.current, s.header.RecordLength), s.buffer.data(),
                                    s.buffer.size());
    s.lastReadFailed = got < 0;
    if (got < 0) return s.Fail("ReadRecord", kUnexpected);
    // A record beyond the end of the file reads as spaces where the file has nothing.
    std::fill(s.buffer.begin() + got, s.buffer.end(), ' ');
    return 1;
}

int modDB::WriteRecord() {
    State& s = *s_;
    if (!s.IsOpen()) return s.Fail("WRITE RECORD", "DB not open");
    if (s.current == 0) return s.Fail("WRITE RECORD", "DB is empty");
    if (!WriteLocked(*s.file, RecordOffset(s.current, s.header.RecordLength), s.buffer))
        return s.Fail("WriteRecord", kUnexpected);
    return 1;
}

int modDB::AddRecord() {
    return AddRecord(nullptr);
}

int modDB::AddRecord(const std::function<void(long number)>& numberRecord) {
    State& s = *s_;
    if (!s.IsOpen()) return s.Fail("ADD RECORD", "DB not open");
    if (s.header.RecordCount >= kMaxRecords) return s.Fail("ADD RECORD", "DB is Full");
    ByteZeroLock lock(*s.file);
    int32_t count = 0;
    if (!lock.Held() || !ReadRecordCount(*s.file, count) || count < 0)
        return s.Fail("AddRecord", kUnexpected);
    if (count >= kMaxRecords) {
        // Other copies of the program filled the file since this copy last looked.
        s.header.RecordCount = count;
        return s.Fail("ADD RECORD", "DB is Full");
    }
    const int32_t added = count + 1;
    if (numberRecord) numberRecord(added);
    s.buffer[0] = ' ';
    // The record goes in before the count, so a failure in between leaves the file consistent.
    if (!WriteBuffer(*s.file, added, s.buffer, s.header.RecordLength) ||
        !WriteRecordCount(*s.file, added))
        return s.Fail("AddRecord", kUnexpected);
    s.header.RecordCount = added;
    s.current = added;
    if (!lock.Release()) return s.Fail("AddRecord", kUnexpected);
    return 1;
}

int modDB::DeleteRecord() {
    State& s = *s_;
    if (!s.IsOpen()) return s.Fail("DELETE RECORD", "DB not open");
    if (s.current == 0) return s.Fail("DELETE RECORD", "DB is empty");
    if (s.buffer[0] == '*')
        return s.Fail("DELETE RECORD", "Record is already marked for deletion!");
    const char oldMark = s.buffer[0];
    s.buffer[0] = '*';
    if (!WriteLocked(*s.file, RecordOffset(s.current, s.header.RecordLength), s.buffer)) {
        s.buffer[0] = oldMark; // the mark did not reach the file
        return s.Fail("DeleteRecord", kUnexpected);
    }
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
    int32_t count = 0;
    if (ReadRecordCount(*file, count)) header.RecordCount = count; // else keep the count last known
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
