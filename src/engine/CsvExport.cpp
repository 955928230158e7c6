#include "engine/CsvExport.h"

#include "engine/modDB.h"

#include <ostream>

namespace tabulo {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr size_t kFlushAt = 64 * 1024; // text gathered before it goes to the stream

// The value with each CR LF pair as a single LF.
void AppendValue(std::string& out, std::string_view value) {
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') continue;
        out += value[i];
    }
}

bool Flush(std::string& pending, std::ostream& out) {
    out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
    pending.clear();
    return static_cast<bool>(out);
}

} // namespace

void AppendExportHeader(std::string& out, std::span<const std::string> fieldNames) {
    out += '#';
    for (const std::string& name : fieldNames) {
        out += ',';
        out += name;
    }
    out += kLineEnd;
}

void AppendExportRecord(std::string& out, long recordNo, std::span<const std::string_view> values) {
    out += std::to_string(recordNo);
    for (std::string_view value : values) {
        out += ",\"";
        AppendValue(out, value);
        out += '"';
    }
    out += kLineEnd;
}

bool WriteExportFile(modDB& db, const std::vector<int>& fieldNumbers, std::ostream& out,
                     ProgressSink& progress) {
    std::vector<std::string> names;
    for (int n : fieldNumbers) {
        DBField def;
        db.GetFieldDef(n, def);
        names.push_back(TrimSpaces(def.Name));
    }
    const long remembered = db.GetRecordNo();
    const long count = db.GetRecordCount();
    std::string pending;
    AppendExportHeader(pending, names);
    std::vector<std::string> values(fieldNumbers.size());
    std::vector<std::string_view> views(fieldNumbers.size());
    bool ok = true;
    for (long r = 1; r <= count && ok; ++r) {
        progress.ShowPer(r, count);
        db.SetRecordNo(r);
        for (size_t i = 0; i < fieldNumbers.size(); ++i) {
            values[i].clear(); // a failed read (its message already shown) exports as empty
            db.ReadField(fieldNumbers[i], values[i]);
            views[i] = values[i];
        }
        AppendExportRecord(pending, r, views);
        if (pending.size() >= kFlushAt) ok = Flush(pending, out);
    }
    ok = ok && Flush(pending, out) && static_cast<bool>(out.flush());
    if (remembered > 0) db.SetRecordNo(remembered);
    progress.HidePer();
    return ok;
}

} // namespace tabulo
