#pragma once
// TestDb: builds small ".Tbd" databases for tests. Fields added with AddField are laid out
// one after another from character 1 of the record (character 0 is the mark); the record
// length follows from them unless set. Records are given as field values in slot order.
//
//   TestDb db;
//   db.AddField("Name", 20).AddField("City", 10, "U").AddRecord({"Ann", "ROME"});
//   std::string base = db.Create(dir, "Stock"); // writes Stock.Tbd, returns the base name

#include "TempDir.h"
#include "engine/DBHeader.h"

#include <optional>
#include <string>
#include <vector>

namespace tabulo::test {

class TestDb {
public:
    TestDb();

    TestDb& AddField(const std::string& name, int length, const std::string& format = "",
                     int page = 1);
    // Puts a definition into slot n (1 to 128) exactly as given; FieldCount grows to cover it.
    TestDb& SetField(int slot, const DBField& field);
    TestDb& AddBanner(const std::string& caption, int page = 1, int left = 10, int top = 10);
    TestDb& SetPageHeading(int page, const std::string& text);
    TestDb& SetScript(const std::string& text);
    TestDb& SetDateOrder(uint8_t order);
    TestDb& SetRecordLength(int length);
    // Stored as RecordCount instead of the number of records given (for damaged files).
    TestDb& SetRecordCount(int32_t count);

    TestDb& AddRecord(const std::vector<std::string>& values);
    TestDb& AddDeletedRecord(const std::vector<std::string>& values);
    TestDb& AddRawRecord(const std::string& bytes); // cut or padded to the record length

    // The header as it will be written (RecordLength and RecordCount filled in).
    DBHeader Header() const;
    // Direct access for members without a setter.
    DBHeader& MutableHeader() { return header_; }
    int RecordLength() const;
    // The record text of values in slot order, mark included.
    std::string RecordText(const std::vector<std::string>& values, bool deleted = false) const;

    std::string Bytes() const;
    void WriteTo(const std::string& path) const;
    // Writes base + ".Tbd" in the directory; returns the path without the extension.
    std::string Create(const TempDir& dir, const std::string& base = "Test") const;

private:
    DBHeader header_;
    int nextOffset_ = 1;
    int fieldsAdded_ = 0;
    int bannersAdded_ = 0;
    std::optional<int> recordLength_;
    std::optional<int32_t> recordCount_;
    struct PendingRecord {
        std::vector<std::string> values;
        bool deleted = false;
        std::optional<std::string> raw;
    };
    std::vector<PendingRecord> records_; // built when written, once the layout is complete
};

// The whole content of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// Little-endian numbers at a byte offset of a file image, read and written without the
// engine's header codec.
int32_t LongAt(const std::string& bytes, size_t offset);
int16_t IntegerAt(const std::string& bytes, size_t offset);
void PutLong(std::string& bytes, size_t offset, uint32_t value);
void PutInteger(std::string& bytes, size_t offset, uint16_t value);

} // namespace tabulo::test
