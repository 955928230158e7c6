#include "search/RecordSearch.h"

#include "base/TextCase.h"
#include "engine/modDB.h"

namespace tabulo {

std::string SearchText(const std::string& typed) {
    return UpperText(TrimSpaces(typed));
}

std::optional<SearchHit> FindNextHit(modDB& db, const std::vector<int>& fields,
                                     const std::string& text, long after) {
    const long count = db.GetRecordCount();
    std::string value;
    for (long r = after + 1; r <= count; ++r) {
        db.SetRecordNo(r);
        for (int field : fields) {
            if (db.ReadField(field, value) == 0) continue;
            value = UpperText(value);
            if (value.find(text) != std::string::npos) return SearchHit{r, field};
        }
    }
    return std::nullopt;
}

} // namespace tabulo
