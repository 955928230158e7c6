#include "engine/CsvExport.h"

#include "engine/DBHeader.h"
#include "engine/DbAccess.h"
#include "engine/PartFile.h"
#include "engine/Reporter.h"
#include "engine/modDB.h"

#include <algorithm>

namespace tabulo {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The value with each CR LF pair as a single LF.
void AppendValue(std::string& out, std::string_view value) {
    for (size_t cr; (cr = value.find("\r\n")) != std::string_view::npos;) {
        out.append(value.substr(0, cr));
        value.remove_prefix(cr + 1);
    }
    out.append(value);
}

// The progress window redraws on every call, so it hears of each whole percent once.
class ProgressSteps {
public:
    ProgressSteps(ProgressSink* sink, long total) : sink_(sink), total_(total) {}
    void Show(long done) {
        if (sink_ == nullptr) return;
        const long percent = static_cast<long>(static_cast<long long>(done) * 100 / total_);
        if (percent == shown_) return;
        shown_ = percent;
        sink_->ShowPer(done, total_);
    }

private:
    ProgressSink* sink_;
    long total_;
    long shown_ = -1;
};

// The chosen fields that are in use, each once, in field-number order.
std::vector<int> FieldsInUse(modDB& db, std::vector<int> fields) {
    std::sort(fields.begin(), fields.end());
    fields.erase(std::unique(fields.begin(), fields.end()), fields.end());
    DBField def;
    std::erase_if(fields, [&](int n) {
        return n < 1 || n > db.GetFieldCount() || db.GetFieldDef(n, def) == 0;
    });
    return fields;
}

// The export's first line, and where each field lies in the record buffer: its text is read
// there in place, as ReadField gives it, so that no value is copied on its way to the file.
std::string HeaderLine(modDB& db, const std::vector<int>& fields, std::vector<FieldSpan>& spans) {
    std::vector<std::string> names;
    DBField def;
    for (int n : fields) {
        db.GetFieldDef(n, def);
        names.push_back(TrimSpaces(def.Name));
        spans.push_back(FieldSpanInRecord(def, db.GetRecordBuffer().size()));
    }
    std::string line;
    AppendExportHeader(line, names);
    return line;
}

std::string_view TrimmedText(std::string_view record, const FieldSpan& span) {
    std::string_view text = record.substr(span.begin, span.end - span.begin);
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
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

std::optional<CsvExportFailure> WriteCsvExport(modDB& db, std::vector<int> fields,
                                               const FilePath& path, ProgressSink* progress) {
    fields = FieldsInUse(db, std::move(fields));
    PartFile out(db.GetFileSystem(), path);
    const long current = db.GetRecordNo();
    const long count = db.GetRecordCount();
    std::vector<FieldSpan> spans;
    out.Write(HeaderLine(db, fields, spans));
    ProgressSteps steps(progress, count);
    std::vector<std::string_view> values(spans.size());
    std::string line; // its storage is reused from record to record
    for (long r = 1; r <= count && out.Good(); ++r) {
        steps.Show(r);
        db.SetRecordNo(r);
        for (size_t i = 0; i < spans.size(); ++i)
            values[i] = TrimmedText(db.GetRecordBuffer(), spans[i]);
        line.clear();
        AppendExportRecord(line, r, values);
        out.Write(line);
    }
    out.Commit();
    if (current > 0) db.SetRecordNo(current);
    if (progress != nullptr) progress->HidePer();
    if (!out.Good()) return CsvExportFailure{path, out.Reason()};
    return std::nullopt;
}

} // namespace tabulo
