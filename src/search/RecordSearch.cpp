#include "search/RecordSearch.h"

#include "engine/modDB.h"
#include "script/vbscript/TextCase.h"

namespace tabulo {

std::string SearchText(const std::string& typed) {
    return vbs::upperText(TrimSpaces(typed));
}

std::optional<SearchHit> FindNextHit(modDB& db, const std::vector<int>& fields,
                                     const std::string& text, long after) {
    const long count = db.GetRecordCount();
    std::string value;
    for (long r = after + 1; r <= count; ++r) {
        db.SetRecordNo(r);
        for (int field : fields) {
            if (db.ReadField(field, value) == 0) continue;
            value = vbs::upperText(std::move(value));
            if (value.find(text) != std::string::npos) return SearchHit{r, field};
        }
    }
    return std::nullopt;
}

} // namespace tabulo
