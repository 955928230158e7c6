#include "BrowseTestDb.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace tabulo::test {

DBHeader BrowseHeader(const BrowseDb& db) {
    DBHeader h = DefaultHeader();
    h.Window.FieldFont.Name = FixedString(db.fontName, 16);
    h.Window.FieldFont.Size = static_cast<uint8_t>(db.fontSize);
    h.DateOrder = static_cast<uint8_t>(db.dateOrder);
    int offset = 1;
    for (size_t i = 0; i < db.fields.size(); ++i) {
        DBField& f = h.Fields[i];
        f.Page = 1;
        f.Width = static_cast<int16_t>(db.fields[i].width);
        f.Height = 20;
        f.Length = static_cast<int16_t>(db.fields[i].length);
        f.Name = FixedString(db.fields[i].name, 32);
        f.Format = FixedString(db.fields[i].format, 8);
        f.Offset = static_cast<int16_t>(offset);
        offset += db.fields[i].length;
    }
    h.FieldCount = static_cast<int16_t>(db.fields.size());
    h.RecordLength = offset;
    h.RecordCount = static_cast<int32_t>(db.records.size());
    return h;
}

void WriteBrowseDb(const std::string& path, const BrowseDb& db) {
    const DBHeader h = BrowseHeader(db);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << EncodeHeader(h);
    for (size_t r = 0; r < db.records.size(); ++r) {
        const auto& record = db.records[r];
        const bool marked =
            std::find(db.deleted.begin(), db.deleted.end(), long(r + 1)) != db.deleted.end();
        std::string bytes = marked ? "*" : " ";
        for (size_t i = 0; i < db.fields.size(); ++i)
            bytes += FixedString(i < record.size() ? record[i] : "", db.fields[i].length);
        out << bytes;
    }
    if (!out) throw std::runtime_error("cannot write " + path);
}

} // namespace tabulo::test
