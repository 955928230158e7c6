#pragma once
// Reads an RFC 4180 file one record at a time: values separated by commas, quoted values
// holding commas, quotes (doubled) and line breaks, records ending in CR LF (a bare LF or CR
// is taken too). Each record carries the line it starts on, for messages.

#include <istream>
#include <string>
#include <vector>

namespace tabulo::cli {

struct CsvRecord {
    long line = 0; // 1-based line of the record's first character
    std::vector<std::string> values;
    std::string problem; // why the record is malformed; empty when it is sound
};

class CsvReader {
public:
    explicit CsvReader(std::istream& in) : in_(*in.rdbuf()) {}
    explicit CsvReader(std::streambuf& in) : in_(in) {}

    // The next record, skipping empty lines; false at the end of the input. A malformed
    // record is returned with its problem, and reading goes on after it.
    bool Next(CsvRecord& record);

private:
    enum class End { Value, Record, Input };
    End ReadValue(std::string& value, std::string& problem);
    End ReadQuoted(std::string& value, std::string& problem);
    End AfterLineBreak(int c);
    void SkipToLineEnd();

    std::streambuf& in_;
    long line_ = 1;
};

} // namespace tabulo::cli
