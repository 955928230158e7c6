// The export file's lines. Their bytes are checked on whole files: values with quotes, commas,
// CR LF line breaks, marked records and characters above 127 with the Export window
// (tests/output), and every field list down to none through tabulo-cli's tabulo format
// (tests/cli). What neither reaches is here.

#include "engine/CsvExport.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

TEST(CsvExport, ALoneCrOrLfInAValueStays) {
    const std::vector<std::string_view> values = {"a\rb\nc"};
    std::string out;
    AppendExportRecord(out, 7, values);
    EXPECT_EQ(out, "7,\"a\rb\nc\"\r\n");
}

} // namespace
} // namespace tabulo
