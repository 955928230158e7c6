#pragma once
// The rows of the browse grid: a copy of the file's header, the columns chosen, and the
// map from row position to record number. Cells are read straight from the file, never
// through the engine's record buffer, so the same code lists the open database and a
// script's look-up database, and nothing here ever writes to the file. Standard C++ only.

#include "browse/BrowseSort.h"
#include "engine/DBHeader.h"
#include "engine/DbFile.h"

#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo {

class BrowseTable {
public:
    // Reads the header copy from the start of the file. fieldNos: the field shown in data
    // column 1, 2, ...
    BrowseTable(const DbFile& file, std::vector<int> fieldNos);

    const DBHeader& Header() const { return header_; }
    long RecordCount() const { return static_cast<long>(rowRec_.size()); }
    int ColCount() const { return static_cast<int>(fieldNos_.size()); }
    // The field shown in data column col (1-based); an empty field for a slot out of range.
    const DBField& ColField(int col) const;

    int32_t RowRec(long row) const {
        assert(row >= 1 && row <= RecordCount() && "browse row out of range");
        return rowRec_[row - 1];
    }
    // Cell texts of data columns 1..ColCount at row position row, from one read of its record.
    std::vector<std::string> RowCells(long row) const;
    // The text of one field of one record as the grid shows it, from one read of the file.
    std::string ReadCell(long recNo, int fieldNo) const;

    // Puts the rows back into record-number order.
    void ResetOrder();
    // Record-number order, then rows ordered by data column col, ascending; col 0 only resets.
    void SortByColumn(int col);

private:
    // Bytes of count records from recNo on; bytes the file does not have read as spaces.
    std::string ReadRecords(long recNo, long count) const;
    // Sort keys of data column col, indexed by record number - 1.
    std::vector<std::string_view> TextKeys(int col, std::string& arena) const;
    std::vector<double> ValueKeys(int col, SortType type) const;
    // Calls visit with the cell text of column col of every record, in record order.
    template <typename Visit> void ForEachCell(int col, Visit visit) const;

    const DbFile& file_;
    DBHeader header_;
    std::vector<int> fieldNos_;
    std::vector<int32_t> rowRec_;
};

// A field's text as the grid shows it: blanks trimmed on the right, then only the part
// before the first CR LF.
std::string_view CellText(std::string_view fieldBytes);

} // namespace tabulo
