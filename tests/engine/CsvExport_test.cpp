// The export file's lines byte for byte (the whole file is tested with the Export window).

#include "engine/CsvExport.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

TEST(CsvExport, HeaderLine) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "#\r\n"},
        {{"NAME"}, "#,NAME\r\n"},
        {{"NAME", "CITY"}, "#,NAME,CITY\r\n"},
    };
    for (const auto& [names, line] : cases) {
        std::string out;
        AppendExportHeader(out, names);
        EXPECT_EQ(out, line);
    }
}

TEST(CsvExport, RecordLine) {
    const std::vector<std::pair<std::vector<std::string_view>, std::string>> cases = {
        {{}, "7\r\n"},
        {{"Ann"}, "7,\"Ann\"\r\n"},
        {{"", "a,b"}, "7,\"\",\"a,b\"\r\n"},
        {{"say \"hi\""}, "7,\"say \"hi\"\"\r\n"},     // quotes are not doubled
        {{"one\r\ntwo\r\n"}, "7,\"one\ntwo\n\"\r\n"}, // CR LF inside becomes LF
        {{"a\rb\nc"}, "7,\"a\rb\nc\"\r\n"},           // a lone CR or LF stays
        {{"caf\xE9"}, "7,\"caf\xE9\"\r\n"},           // the file's own code page
    };
    for (const auto& [values, line] : cases) {
        std::string out;
        AppendExportRecord(out, 7, values);
        EXPECT_EQ(out, line);
    }
}

} // namespace
} // namespace tabulo
