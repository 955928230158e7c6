#include "ExportFormats.h"

#include "base/CodePage.h"
#include "engine/CsvExport.h"

#include <charconv>
#include <iterator>
#include <nlohmann/json.hpp>

namespace tabulo::cli {

namespace {

// The two scans below look at every byte without stopping early: values are short, and a
// loop without an exit compiles to a few wide instructions where a search calls memchr
// once for each byte.
bool IsAscii(std::string_view text) {
    unsigned char bits = 0;
    for (char c : text)
        bits |= static_cast<unsigned char>(c);
    return bits < 0x80;
}

bool NeedsQuotes(std::string_view value) {
    bool special = false;
    for (char c : value)
        special |= c == ',' || c == '"' || c == '\r' || c == '\n';
    return special;
}

class TabuloSink : public RecordSink {
public:
    TabuloSink(OutputFile& out, Encoding encoding) : out_(out), encoding_(encoding) {}

    bool Begin(const std::vector<ExportColumn>& columns, std::string&) override {
        std::vector<std::string> names;
        for (const ExportColumn& c : columns)
            names.push_back(c.name);
        line_.clear();
        AppendExportHeader(line_, names);
        Put();
        return true;
    }

    bool Record(long recno, bool, std::span<const std::string_view> values, std::string&) override {
        line_.clear();
        AppendExportRecord(line_, recno, values);
        Put();
        return true;
    }

    bool Finish(std::string&) override { return true; }

private:
    void Put() {
        AppendText(out_.Buffer(), line_, encoding_);
        out_.Written();
    }

    OutputFile& out_;
    Encoding encoding_;
    std::string line_;
};

class CsvSink : public RecordSink {
public:
    CsvSink(OutputFile& out, Encoding encoding) : out_(out), encoding_(encoding) {}

    bool Begin(const std::vector<ExportColumn>& columns, std::string&) override {
        std::string& out = out_.Buffer();
        out += "recno,deleted";
        for (const ExportColumn& c : columns) {
            out += ',';
            Append(out, c.name);
        }
        out += "\r\n";
        return true;
    }

    bool Record(long recno, bool deleted, std::span<const std::string_view> values,
                std::string&) override {
        std::string& out = out_.Buffer();
        char digits[24];
        out.append(digits, std::to_chars(digits, std::end(digits), recno).ptr);
        out += deleted ? ",1" : ",0";
        for (std::string_view value : values) {
            out += ',';
            Append(out, value);
        }
        out += "\r\n";
        out_.Written();
        return true;
    }

    bool Finish(std::string&) override { return true; }

private:
    // ASCII reads the same in both encodings, so most values skip the conversion.
    void Append(std::string& out, std::string_view cp1252) {
        if (encoding_ == Encoding::Cp1252 || IsAscii(cp1252)) return AppendCsvValue(out, cp1252);
        converted_.clear();
        AppendText(converted_, cp1252, encoding_);
        AppendCsvValue(out, converted_);
    }

    OutputFile& out_;
    Encoding encoding_;
    std::string converted_;
};

class JsonLinesSink : public RecordSink {
public:
    explicit JsonLinesSink(OutputFile& out) : out_(out) {}

    bool Begin(const std::vector<ExportColumn>& columns, std::string&) override {
        for (const ExportColumn& c : columns)
            keys_.push_back(Cp1252ToUtf8(c.name));
        return true;
    }

    bool Record(long recno, bool deleted, std::span<const std::string_view> values,
                std::string&) override {
        nlohmann::ordered_json object;
        object["recno"] = recno;
        object["deleted"] = deleted;
        for (size_t i = 0; i < values.size(); ++i)
            object[keys_[i]] = Cp1252ToUtf8(values[i]);
        out_.Buffer() += object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        out_.Buffer() += '\n';
        out_.Written();
        return true;
    }

    bool Finish(std::string&) override { return true; }

private:
    OutputFile& out_;
    std::vector<std::string> keys_;
};

} // namespace

void AppendCsvValue(std::string& out, std::string_view value) {
    if (!NeedsQuotes(value)) {
        out += value;
        return;
    }
    out += '"';
    for (char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

std::unique_ptr<RecordSink> MakeTabuloSink(OutputFile& out, Encoding encoding) {
    return std::make_unique<TabuloSink>(out, encoding);
}

std::unique_ptr<RecordSink> MakeCsvSink(OutputFile& out, Encoding encoding) {
    return std::make_unique<CsvSink>(out, encoding);
}

std::unique_ptr<RecordSink> MakeJsonLinesSink(OutputFile& out) {
    return std::make_unique<JsonLinesSink>(out);
}

} // namespace tabulo::cli
