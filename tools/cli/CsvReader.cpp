#include "CsvReader.h"

namespace tabulo::cli {

namespace {

constexpr int kEof = std::char_traits<char>::eof();

} // namespace

bool CsvReader::Next(CsvRecord& record) {
    for (;;) {
        record.line = line_;
        record.values.clear();
        record.problem.clear();
        if (in_.sgetc() == kEof) return false;
        End end = End::Value;
        while (end == End::Value) {
            record.values.emplace_back();
            end = ReadValue(record.values.back(), record.problem);
        }
        const bool emptyLine =
            record.values.size() == 1 && record.values[0].empty() && record.problem.empty();
        if (!emptyLine) return true;
        if (end == End::Input) return false;
    }
}

// A line break ends the record; CR LF counts as one.
CsvReader::End CsvReader::AfterLineBreak(int c) {
    if (c == '\r' && in_.sgetc() == '\n') in_.sbumpc();
    ++line_;
    return End::Record;
}

void CsvReader::SkipToLineEnd() {
    for (int c = in_.sbumpc(); c != kEof; c = in_.sbumpc())
        if (c == '\r' || c == '\n') {
            AfterLineBreak(c);
            return;
        }
}

CsvReader::End CsvReader::ReadValue(std::string& value, std::string& problem) {
    if (in_.sgetc() == '"') {
        in_.sbumpc();
        return ReadQuoted(value, problem);
    }
    for (;;) {
        const int c = in_.sbumpc();
        if (c == kEof) return End::Input;
        if (c == ',') return End::Value;
        if (c == '\r' || c == '\n') return AfterLineBreak(c);
        if (c == '"' && problem.empty()) {
            problem = "a quote inside a value that does not begin with one";
            SkipToLineEnd();
            return End::Record;
        }
        value += static_cast<char>(c);
    }
}

CsvReader::End CsvReader::ReadQuoted(std::string& value, std::string& problem) {
    const long opened = line_;
    for (;;) {
        const int c = in_.sbumpc();
        if (c == kEof) {
            problem = "the quoted value begun on line " + std::to_string(opened) + " never ends";
            return End::Input;
        }
        if (c == '\n' || (c == '\r' && in_.sgetc() != '\n')) ++line_;
        if (c != '"') {
            value += static_cast<char>(c);
            continue;
        }
        const int next = in_.sbumpc();
        if (next == '"') {
            value += '"';
            continue;
        }
        if (next == ',') return End::Value;
        if (next == kEof) return End::Input;
        if (next == '\r' || next == '\n') return AfterLineBreak(next);
        problem = "text after the closing quote of a value";
        SkipToLineEnd();
        return End::Record;
    }
}

} // namespace tabulo::cli
