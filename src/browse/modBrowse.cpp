#include "browse/modBrowse.h"

#include "browse/frmBrowse.h"

#include <algorithm>
#include <string_view>

namespace tabulo::modBrowse {

int32_t ShowBrowse(const DbFile& file, std::vector<int> fieldNos, QWidget* parent) {
    if (fieldNos.size() > static_cast<size_t>(kMaxFields)) fieldNos.resize(kMaxFields);
    frmBrowse window(file, std::move(fieldNos), parent);
    window.exec();
    return window.BrowseResult();
}

int32_t ShowGotoRecord(const DbFile& file, const DBHeader& header, QWidget* parent) {
    std::vector<int> fieldNos;
    const int fieldCount = std::min<int>(header.FieldCount, kMaxFields);
    for (int n = 1; n <= fieldCount; ++n) {
        const DBField& field = header.Fields[n - 1];
        if (field.Page != 0 && std::string_view(field.Format).find('H') == std::string_view::npos)
            fieldNos.push_back(n);
    }
    return ShowBrowse(file, std::move(fieldNos), parent);
}

} // namespace tabulo::modBrowse
