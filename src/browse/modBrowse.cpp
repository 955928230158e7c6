#include "browse/modBrowse.h"

#include "browse/frmBrowse.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace tabulo::modBrowse {

std::array<int16_t, kMaxFields + 1> BrowseCols{};
int16_t BrowseColCount = 0;
int32_t BrowseResult = 0;

void ClearBrowseCols() {
    BrowseCols.fill(0);
    BrowseColCount = 0;
}

void AddBrowseCol(int16_t fieldNo) {
    if (BrowseColCount >= kMaxFields) return;
    BrowseCols[++BrowseColCount] = fieldNo;
}

int32_t ShowBrowse(const DbFile& file, QWidget* parent) {
    BrowseResult = 0;
    std::vector<int> fieldNos(BrowseCols.begin() + 1, BrowseCols.begin() + 1 + BrowseColCount);
    frmBrowse window(file, std::move(fieldNos), parent);
    window.exec();
    BrowseResult = window.BrowseResult();
    return BrowseResult;
}

int32_t ShowGotoRecord(const DbFile& file, const DBHeader& header, QWidget* parent) {
    ClearBrowseCols();
    const int fieldCount = std::min<int>(header.FieldCount, kMaxFields);
    for (int n = 1; n <= fieldCount; ++n) {
        const DBField& field = header.Fields[n - 1];
        if (field.Page != 0 && std::string_view(field.Format).find('H') == std::string_view::npos)
            AddBrowseCol(static_cast<int16_t>(n));
    }
    return ShowBrowse(file, parent);
}

} // namespace tabulo::modBrowse
