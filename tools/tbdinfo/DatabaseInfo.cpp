#include "DatabaseInfo.h"

#include "engine/CodePage.h"
#include "engine/DbAccess.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

namespace tabulo::tools {

namespace {

// Collects the problems of one file; each is reported once, prefixed with the file name.
class ProblemList {
public:
    ProblemList(const std::string& path, std::ostream& err) : path_(path), err_(err) {}
    void Add(const std::string& text) {
        err_ << path_ << ": " << text << "\n";
        found_ = true;
    }
    bool Found() const { return found_; }

private:
    const std::string& path_;
    std::ostream& err_;
    bool found_ = false;
};

// The field slots that records are shown by: in use, and lying inside the record.
std::vector<int> ReadableFields(const DBHeader& h, ProblemList& problems) {
    if (h.FieldCount < 0 || h.FieldCount > kMaxFields)
        problems.Add("FieldCount " + std::to_string(h.FieldCount) + " is outside 0 to " +
                     std::to_string(kMaxFields));
    std::vector<int> slots;
    for (int slot = 1; slot <= std::clamp<int>(h.FieldCount, 0, kMaxFields); ++slot) {
        const DBField& f = h.Fields[slot - 1];
        if (f.Page == 0) continue;
        if (f.Offset < 0 || f.Length < 1 || f.Offset + f.Length > h.RecordLength) {
            problems.Add("field " + std::to_string(slot) + " (" + TrimSpaces(f.Name) +
                         "): offset " + std::to_string(f.Offset) + ", length " +
                         std::to_string(f.Length) + " reach outside the record");
            continue;
        }
        slots.push_back(slot);
    }
    return slots;
}

// Number of records to show: those the header counts that are wholly in the file, as the
// engine counts them.
long RecordsPresent(const DBHeader& h, uintmax_t fileSize, ProblemList& problems) {
    if (h.RecordCount < 0 || h.RecordCount > kMaxRecords)
        problems.Add("RecordCount " + std::to_string(h.RecordCount) + " is outside 0 to " +
                     std::to_string(kMaxRecords));
    const StoredRecords stored =
        CountStoredRecords(h.RecordCount, h.RecordLength, static_cast<int64_t>(fileSize));
    if (stored.trailingBytes != 0)
        problems.Add(std::to_string(stored.trailingBytes) + " bytes after the last whole record");
    if (stored.held != stored.claimed)
        problems.Add("the header counts " + std::to_string(stored.claimed) +
                     " records, the file holds " + std::to_string(stored.held));
    return stored.usable;
}

void PrintRecords(std::istream& in, const DBHeader& h, long count, const std::vector<int>& slots,
                  std::ostream& out) {
    std::string record(h.RecordLength, ' ');
    for (long k = 1; k <= count && in.read(record.data(), h.RecordLength); ++k) {
        out << "Record " << k << (record[0] == '*' ? " (deleted):" : ":");
        if (record[0] != ' ' && record[0] != '*')
            out << " (mark " << QuotedText(record.substr(0, 1)) << ")";
        for (int slot : slots) {
            const DBField& f = h.Fields[slot - 1];
            out << " " << Cp1252ToUtf8(TrimSpaces(f.Name)) << "="
                << QuotedText(TrimSpaces(std::string_view(record).substr(f.Offset, f.Length)));
        }
        out << "\n";
    }
}

} // namespace

int PrintDatabaseInfo(const std::string& path, const InfoOptions& options, std::ostream& out,
                      std::ostream& err) {
    ProblemList problems(path, err);
    std::ifstream in(path, std::ios::binary);
    std::error_code sizeError;
    uintmax_t size = std::filesystem::file_size(path, sizeError);
    if (!in || sizeError) {
        problems.Add("cannot open the file");
        return 1;
    }
    if (size < uintmax_t(kHeaderSize)) {
        problems.Add(std::to_string(size) + " bytes, shorter than the " +
                     std::to_string(kHeaderSize) + "-byte header: not a database");
        return 1;
    }
    std::vector<uint8_t> bytes(kHeaderSize);
    in.read(reinterpret_cast<char*>(bytes.data()), kHeaderSize);
    DBHeader header = DecodeHeader(bytes.data());
    out << path << ": " << size << " bytes\n";
    PrintHeaderSummary(header, out);
    if (header.RecordLength < 1) {
        problems.Add("RecordLength " + std::to_string(header.RecordLength) +
                     " is below 1: the records cannot be read");
        return 1;
    }
    std::vector<int> slots = ReadableFields(header, problems);
    long count = RecordsPresent(header, size, problems);
    if (options.records) PrintRecords(in, header, count, slots, out);
    return problems.Found() ? 1 : 0;
}

} // namespace tabulo::tools
