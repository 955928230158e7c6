// The words a screen reader gives for what a field accepts.

#include "editor/rules/FieldDescription.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

TEST(FieldDescription, SaysWhatTheCodesAccept) {
    const struct {
        const char* format;
        int length, dateOrder;
        const char* description;
    } cases[] = {
        {"D       ", 10, 1, "date, DD/MM/YYYY; up to 10 characters"},
        {"D!", 10, 2, "date, MM/DD/YYYY; up to 10 characters; required"},
        {"T", 8, 1, "time, hh:mm:ss; up to 8 characters"},
        {"AS-F!", 30, 1,
         "letters, spaces and \"-\"; first letters in capitals; up to 30 characters; required"},
        {"ANSU", 8, 1, "letters, digits and spaces; kept in capitals; up to 8 characters"},
        {"N.->", 10, 1, "digits, \".\" and \"-\"; up to 10 characters"},
        {"N", 1, 1, "digits; up to 1 character"},
        {"ANL.", 16, 1, "letters, digits and \".\"; kept in lower case; up to 16 characters"},
        {"UF", 5, 1, "nothing can be typed; first letters in capitals; up to 5 characters"},
        {"*MH", 300, 1, "any text; several lines; up to 300 characters"},
        {"E", 50, 1, "e-mail address; up to 50 characters"},
        {"AW", 60, 1, "web address; up to 60 characters"},
        {"Y^", 1, 1, "Y or N; up to 1 character"},
        {"#>", 6, 1, "record number, given when the record is first saved"},
        {"=H", 10, 1, "read-only"},
        {"", 0, 1, "nothing can be typed"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FieldDescription(c.format, c.length, c.dateOrder), c.description) << c.format;
}

} // namespace
} // namespace tabulo
