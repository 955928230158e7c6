#include "output/CsvExportWriter.h"

#include "engine/DBHeader.h"
#include "engine/DbAccess.h"
#include "engine/Reporter.h"
#include "engine/modDB.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>

namespace tabulo {
namespace {

constexpr size_t kStreamBuffer = 64 * 1024;

// The export file while it is written: a temporary file beside the target, renamed over
// it by Commit and removed on every other way out.
class PartFile {
public:
    explicit PartFile(const std::string& target)
        : target_(target), part_(target + ".part"), buffer_(new char[kStreamBuffer]) {
        file_ = std::fopen(part_.c_str(), "wb");
        if (file_ == nullptr)
            Fail();
        else
            std::setvbuf(file_, buffer_.get(), _IOFBF, kStreamBuffer);
    }
    ~PartFile() {
        if (file_ != nullptr) std::fclose(file_);
        if (!committed_) std::remove(part_.c_str());
    }
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    bool Good() const { return reason_.empty(); }
    const std::string& Reason() const { return reason_; }

    void Write(const std::string& bytes) {
        if (Good() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) Fail();
    }

    // Closes the file and puts it in place under the target's name.
    void Commit() {
        if (!Good()) return;
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        if (!closed) return Fail();
        if (std::rename(part_.c_str(), target_.c_str()) != 0) return Fail();
        committed_ = true;
    }

private:
    void Fail() {
        const int error = errno;
        reason_ = std::strerror(error != 0 ? error : EIO);
    }

    std::string target_, part_, reason_;
    std::unique_ptr<char[]> buffer_; // the C library takes a given size only with a buffer
    std::FILE* file_ = nullptr;
    bool committed_ = false;
};

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

std::string HeaderLine(modDB& db, const std::vector<int>& fields) {
    std::string line = "#";
    DBField def;
    for (int n : fields) {
        db.GetFieldDef(n, def);
        line += ',';
        line += TrimSpaces(def.Name);
    }
    return line + "\r\n";
}

// Where the chosen fields lie in the record buffer. Their text is read there in place, as
// ReadField gives it, so that no value is copied on its way to the file.
std::vector<FieldSpan> SpansOf(modDB& db, const std::vector<int>& fields) {
    std::vector<FieldSpan> spans;
    DBField def;
    for (int n : fields) {
        db.GetFieldDef(n, def);
        spans.push_back(FieldSpanInRecord(def, db.GetRecordBuffer().size()));
    }
    return spans;
}

std::string_view TrimmedText(std::string_view record, const FieldSpan& span) {
    std::string_view text = record.substr(span.begin, span.end - span.begin);
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A line break inside a value is written as a bare LF, so that CR LF ends records only.
void AppendValue(std::string& line, std::string_view value) {
    for (size_t cr; (cr = value.find("\r\n")) != std::string_view::npos;) {
        line.append(value.substr(0, cr));
        value.remove_prefix(cr + 1);
    }
    line.append(value);
}

// Line of the current record, built in line (whose storage is reused from record to record).
void RecordLine(const std::string& record, const std::vector<FieldSpan>& spans, long number,
                std::string& line) {
    char digits[24];
    line.assign(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
    for (const FieldSpan& span : spans) {
        line += ",\"";
        AppendValue(line, TrimmedText(record, span));
        line += '"';
    }
    line += "\r\n";
}

} // namespace

std::optional<CsvExportFailure> WriteCsvExport(modDB& db, std::vector<int> fields,
                                               const std::string& path, ProgressSink* progress) {
    fields = FieldsInUse(db, std::move(fields));
    PartFile out(path);
    const long current = db.GetRecordNo();
    const long count = db.GetRecordCount();
    out.Write(HeaderLine(db, fields));
    ProgressSteps steps(progress, count);
    const std::vector<FieldSpan> spans = SpansOf(db, fields);
    std::string line;
    for (long r = 1; r <= count && out.Good(); ++r) {
        steps.Show(r);
        db.SetRecordNo(r);
        RecordLine(db.GetRecordBuffer(), spans, r, line);
        out.Write(line);
    }
    out.Commit();
    if (current > 0) db.SetRecordNo(current);
    if (progress != nullptr) progress->HidePer();
    if (!out.Good()) return CsvExportFailure{path, out.Reason()};
    return std::nullopt;
}

} // namespace tabulo
