#include "browse/BrowseTable.h"

#include <algorithm>
#include <cassert>
#include <numeric>

namespace tabulo {

namespace {

// Bytes of whole records read per file access while collecting sort keys.
constexpr long kChunkBytes = 1 << 20;

DBHeader ReadHeaderCopy(const DbFile& file) {
    std::vector<uint8_t> bytes(kHeaderSize, 0);
    file.ReadAt(0, bytes.data(), bytes.size());
    return DecodeHeader(bytes.data());
}

const DBField kNoField{};

// The bytes of a field within its record; a field reaching outside the record is cut.
std::string_view FieldBytes(std::string_view record, const DBField& field) {
    const size_t from = std::clamp<long>(field.Offset, 0, static_cast<long>(record.size()));
    return record.substr(from, static_cast<size_t>(std::max<int16_t>(field.Length, 0)));
}

} // namespace

std::string_view CellText(std::string_view fieldBytes) {
    size_t end = fieldBytes.find_last_not_of(' ');
    std::string_view text = end == std::string_view::npos ? "" : fieldBytes.substr(0, end + 1);
    return text.substr(0, text.find("\r\n"));
}

BrowseTable::BrowseTable(const DbFile& file, std::vector<int> fieldNos)
    : file_(file), header_(ReadHeaderCopy(file)), fieldNos_(std::move(fieldNos)) {
    rowRec_.resize(std::clamp<long>(header_.RecordCount, 0, kMaxRecords));
    ResetOrder();
}

const DBField& BrowseTable::ColField(int col) const {
    assert(col >= 1 && col <= ColCount() && "browse column out of range");
    const int fieldNo = fieldNos_[col - 1];
    return fieldNo >= 1 && fieldNo <= kMaxFields ? header_.Fields[fieldNo - 1] : kNoField;
}

std::string BrowseTable::ReadRecords(long recNo, long count) const {
    const long length = std::max<int32_t>(header_.RecordLength, 0);
    std::string bytes(static_cast<size_t>(count * length), ' ');
    const int64_t offset = kHeaderSize + int64_t(recNo - 1) * length;
    // A short read leaves the rest of the spaces in place.
    if (file_.ReadAt(offset, bytes.data(), bytes.size()) < 0)
        std::fill(bytes.begin(), bytes.end(), ' ');
    return bytes;
}

std::vector<std::string> BrowseTable::RowCells(long row) const {
    const std::string record = ReadRecords(RowRec(row), 1);
    std::vector<std::string> cells;
    cells.reserve(fieldNos_.size());
    for (int col = 1; col <= ColCount(); ++col)
        cells.emplace_back(CellText(FieldBytes(record, ColField(col))));
    return cells;
}

std::string BrowseTable::ReadCell(long recNo, int fieldNo) const {
    if (fieldNo < 1 || fieldNo > kMaxFields) return {};
    return std::string(CellText(FieldBytes(ReadRecords(recNo, 1), header_.Fields[fieldNo - 1])));
}

void BrowseTable::ResetOrder() {
    std::iota(rowRec_.begin(), rowRec_.end(), 1);
}

template <typename Visit> void BrowseTable::ForEachCell(int col, Visit visit) const {
    const DBField& field = ColField(col);
    const long length = std::max<int32_t>(header_.RecordLength, 1);
    const long perChunk = std::max(kChunkBytes / length, 1L);
    for (long first = 1; first <= RecordCount(); first += perChunk) {
        const long count = std::min(perChunk, RecordCount() - first + 1);
        const std::string chunk = ReadRecords(first, count);
        std::string_view records(chunk);
        for (long k = 0; k < count; ++k) {
            std::string_view record = records.substr(k * length, length);
            visit(CellText(FieldBytes(record, field)));
        }
    }
}

std::vector<std::string_view> BrowseTable::TextKeys(int col, std::string& arena) const {
    std::vector<size_t> ends;
    ends.reserve(RecordCount());
    ForEachCell(col, [&](std::string_view text) {
        arena.append(text);
        ends.push_back(arena.size());
    });
    std::vector<std::string_view> keys;
    keys.reserve(ends.size());
    size_t begin = 0;
    for (size_t end : ends) {
        keys.emplace_back(arena.data() + begin, end - begin);
        begin = end;
    }
    return keys;
}

std::vector<double> BrowseTable::ValueKeys(int col, SortType type) const {
    std::vector<double> keys;
    keys.reserve(RecordCount());
    const int dateOrder = header_.DateOrder;
    ForEachCell(col, [&](std::string_view text) {
        keys.push_back(type == SortType::Date ? DateValue(text, dateOrder) : NumValue(text));
    });
    return keys;
}

void BrowseTable::SortByColumn(int col) {
    ResetOrder();
    if (col < 1 || col > ColCount() || RecordCount() == 0) return;
    const SortType type = SetSortType(ColField(col).Format);
    if (type == SortType::Text) {
        std::string arena;
        QuickSort(rowRec_, 1, RecordCount(), TextKeys(col, arena));
    } else {
        QuickSort(rowRec_, 1, RecordCount(), ValueKeys(col, type));
    }
}

} // namespace tabulo
