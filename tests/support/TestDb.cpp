#include "TestDb.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tabulo::test {

TestDb::TestDb() : header_(DefaultHeader()) {
}

TestDb& TestDb::AddField(const std::string& name, int length, const std::string& format, int page) {
    DBField f;
    f.Page = static_cast<uint8_t>(page);
    f.Left = 10;
    f.Top = static_cast<int16_t>(10 + 30 * (fieldsAdded_ % 12));
    f.Width = static_cast<int16_t>(std::min(8 * length + 8, 600));
    f.Height = 21;
    f.Length = static_cast<int16_t>(length);
    f.Name = FixedString(name, 32);
    f.Format = FixedString(format, 8);
    f.Offset = static_cast<int16_t>(nextOffset_);
    nextOffset_ += length;
    return SetField(fieldsAdded_ + 1, f);
}

TestDb& TestDb::SetField(int slot, const DBField& field) {
    if (slot < 1 || slot > kMaxFields) throw std::out_of_range("field slot");
    header_.Fields[slot - 1] = field;
    fieldsAdded_ = std::max(fieldsAdded_, slot);
    header_.FieldCount = static_cast<int16_t>(std::max<int>(header_.FieldCount, slot));
    return *this;
}

TestDb& TestDb::AddBanner(const std::string& caption, int page, int left, int top) {
    if (bannersAdded_ == kMaxBanners) throw std::out_of_range("banner slot");
    DBBanner& b = header_.Banners[bannersAdded_++];
    b.Page = static_cast<uint8_t>(page);
    b.Left = static_cast<int16_t>(left);
    b.Top = static_cast<int16_t>(top);
    b.Caption = FixedString(caption, 64);
    b.Font = header_.Window.FormFont;
    return *this;
}

TestDb& TestDb::SetPageHeading(int page, const std::string& text) {
    header_.PageHeadings.at(page - 1) = FixedString(text, 32);
    return *this;
}

TestDb& TestDb::SetScript(const std::string& text) {
    header_.Script = FixedString(text, kScriptSize);
    return *this;
}

TestDb& TestDb::SetDateOrder(uint8_t order) {
    header_.DateOrder = order;
    return *this;
}

TestDb& TestDb::SetRecordLength(int length) {
    recordLength_ = length;
    return *this;
}

TestDb& TestDb::SetRecordCount(int32_t count) {
    recordCount_ = count;
    return *this;
}

TestDb& TestDb::AddRecord(const std::vector<std::string>& values) {
    records_.push_back({values, false, std::nullopt});
    return *this;
}

TestDb& TestDb::AddDeletedRecord(const std::vector<std::string>& values) {
    records_.push_back({values, true, std::nullopt});
    return *this;
}

TestDb& TestDb::AddRawRecord(const std::string& bytes) {
    records_.push_back({{}, false, bytes});
    return *this;
}

int TestDb::RecordLength() const {
    return recordLength_.value_or(nextOffset_);
}

DBHeader TestDb::Header() const {
    DBHeader h = header_;
    h.RecordLength = RecordLength();
    h.RecordCount = recordCount_.value_or(static_cast<int32_t>(records_.size()));
    return h;
}

std::string TestDb::RecordText(const std::vector<std::string>& values, bool deleted) const {
    std::string record(static_cast<size_t>(std::max(RecordLength(), 0)), ' ');
    if (!record.empty()) record[0] = deleted ? '*' : ' ';
    for (size_t i = 0; i < values.size() && i < header_.Fields.size(); ++i) {
        const DBField& f = header_.Fields[i];
        const std::string value = FixedString(values[i], static_cast<size_t>(f.Length));
        for (size_t j = 0; j < value.size(); ++j) {
            const size_t at = static_cast<size_t>(f.Offset) + j;
            if (at < record.size()) record[at] = value[j];
        }
    }
    return record;
}

std::string TestDb::Bytes() const {
    std::string bytes = EncodeHeader(Header());
    for (const PendingRecord& r : records_) {
        bytes += r.raw ? FixedString(*r.raw, static_cast<size_t>(std::max(RecordLength(), 0)))
                       : RecordText(r.values, r.deleted);
    }
    return bytes;
}

void TestDb::WriteTo(const std::string& path) const {
    WriteFileBytes(path, Bytes());
}

std::string TestDb::Create(const TempDir& dir, const std::string& base) const {
    const std::string path = dir.File(base);
    WriteTo(path + ".Tbd");
    return path;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

int32_t LongAt(const std::string& bytes, size_t offset) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<uint8_t>(bytes.at(offset + i));
    return static_cast<int32_t>(v);
}

int16_t IntegerAt(const std::string& bytes, size_t offset) {
    return static_cast<int16_t>(static_cast<uint8_t>(bytes.at(offset)) |
                                static_cast<uint8_t>(bytes.at(offset + 1)) << 8);
}

void PutLong(std::string& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes.at(offset + i) = static_cast<char>(value >> (8 * i));
}

void PutInteger(std::string& bytes, size_t offset, uint16_t value) {
    bytes.at(offset) = static_cast<char>(value & 0xFF);
    bytes.at(offset + 1) = static_cast<char>(value >> 8);
}

} // namespace tabulo::test
