// The field input rules that act on the keys: the key filter, the box's line breaks, case
// conversion, and the words a screen reader gives for the codes.

#include "BoxNotation.h"
#include "editor/rules/CaseConversion.h"
#include "editor/rules/FieldDescription.h"
#include "editor/rules/KeyFilter.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

using test::ParseBox;
using test::ShowBox;

// Ctrl+T and Ctrl+U as typed characters; "\b" is Backspace and "\r" Enter.
#define CTRL_T "\x14"
#define CTRL_U "\x15"

const LocalTime kNow{2024, 3, 7, 9, 5, 3};

struct TypingCase {
    const char* format;
    const char* before; // box notation, see BoxNotation.h
    const char* keys;
    const char* after;
    int maxLength = 0;
    int dateOrder = 1;
    int focusMoves = 0; // keys that moved the focus on instead of going in
};

std::ostream& operator<<(std::ostream& os, const TypingCase& c) {
    return os << "format '" << c.format << "' box '" << c.before << "' keys '" << c.keys << "'";
}

class FieldTyping : public testing::TestWithParam<TypingCase> {};

TEST_P(FieldTyping, GivesTheExpectedText) {
    const TypingCase& c = GetParam();
    const FieldRules rules{c.format, c.maxLength, c.dateOrder};
    BoxState box = ParseBox(c.before);
    int focusMoves = 0;
    for (const char* k = c.keys; *k != '\0'; ++k) {
        const KeyResult r = FieldKeyPress(rules, box, static_cast<unsigned char>(*k), kNow);
        if (r.Action == KeyAction::Rejected) {
            EXPECT_EQ(r.Box, ClampSelection(box));
        }
        if (r.Action == KeyAction::NextField) ++focusMoves;
        if (r.Action == KeyAction::Accepted) box = r.Box;
    }
    EXPECT_EQ(ShowBox(box), c.after);
    EXPECT_EQ(focusMoves, c.focusMoves);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Codes, FieldTyping, testing::Values(
    // "*" takes everything as typed, characters above 127 included.
    TypingCase{"*", "", "a1 ,\xE9~", "a1 ,\xE9~|"},
    TypingCase{"*E", "", "!:", "!:|"},
    TypingCase{"Y*", "N", "x", "Nx|"},
    // Each class of character has its code.
    TypingCase{"A", "", "aB1 ,c", "aBc|"},
    TypingCase{"AS", "", "a b", "a b|"},
    TypingCase{"N", "", "12a3 .-", "123|"},
    TypingCase{"NA", "", "a1b2", "a1b2|"},
    TypingCase{"A", "", "\xE9\xC9", "|"},
    TypingCase{"na", "", "1a", "|"},
    TypingCase{"  N  ", "", "42", "42|"},
    // "." and "-": free without "N"; one point and a leading minus with it.
    TypingCase{"N.", "", "3.1.4", "3.14|"},
    TypingCase{"N.", "[3.1]", ".", "[3.1]"},
    TypingCase{".", "", "..", "..|"},
    TypingCase{"N", "", ".-", "|"},
    TypingCase{"N-", "5|", "-", "5|"},
    TypingCase{"N-", "|5", "-", "-|5"},
    TypingCase{"N-", "|-5", "-", "|-5"},
    TypingCase{"N-", "[-5]", "-", "[-5]"},
    TypingCase{"-", "a|b", "--", "a--|b"},
    TypingCase{"N.-", "", "-1.5", "-1.5|"},
    // Case conversion after every change, with the caret kept.
    TypingCase{"AU", "ab|cd", "x", "ABX|CD"},
    TypingCase{"AL", "", "ABC", "abc|"},
    TypingCase{"AUL", "", "aB", "ab|"},
    TypingCase{"ASF", "", "john SMITH", "John Smith|"},
    TypingCase{"*MF", "", "ab\rcD", "Ab\r\nCd|"},
    TypingCase{"AU", "ab|", "\b", "A|"},
    // "M": Enter starts a new line; elsewhere it moves the focus and inserts nothing.
    TypingCase{"NM", "1", "\r2", "1\r\n2|"},
    TypingCase{"*", "ab", "\r", "ab|", 0, 1, 1},
    TypingCase{"N", "1|2", "\r", "1|2", 0, 1, 1},
    TypingCase{"*M", "ab", "\r", "ab|", 3},
    // "E" and "W": address characters with one "@" or one ":"; "E" wins over "W".
    TypingCase{"E", "", "a@b@.c_-!/", "a@b.c_-|"},
    TypingCase{"E", "x@y", "@", "x@y|"},
    TypingCase{"W", "", "http://a:b/c_-.", "http://ab/c_-.|"},
    TypingCase{"W", "[a:]", ":", "[a:]"},
    TypingCase{"EW", "", "a:/", "a|"},
    // "Y": y or n replaces the whole text; other keys change nothing; Backspace deletes.
    TypingCase{"Y", "N", "y", "Y|"},
    TypingCase{"Y", "Y", "n", "N|"},
    TypingCase{"Y", "a|bc", "Y", "Y|"},
    TypingCase{"Y", "N", "x1 ", "N|"},
    TypingCase{"Y", "Y", "\b", "|"},
    TypingCase{"YL", "", "Y", "y|"},
    // "D" and "T": digits with their separator; "D" wins over "T".
    TypingCase{"D", "", "12/3a:4", "12/34|"},
    TypingCase{"T", "", "12:3/0", "12:30|"},
    TypingCase{"DT", "", "1:/", "1/|"},
    // Blank codes, "=" and "#" take nothing at all, not even Backspace or Enter; one key a
    // row, so that a key let through cannot be taken back by the next one.
    TypingCase{"", "xy", "a1", "xy|"},
    TypingCase{"", "xy", "\b", "xy|"},
    TypingCase{"", "xy", "\r", "xy|"},
    TypingCase{"        ", "xy", "a1", "xy|"},
    TypingCase{"N=", "12", "3", "12|"},
    TypingCase{"N=", "12", "\b", "12|"},
    TypingCase{"#N", "12", "3", "12|"},
    TypingCase{"#N", "12", "\b", "12|"},
    // Backspace: the selection, else the character before the caret, a line break whole.
    TypingCase{"N", "12|3", "\b", "1|3"},
    TypingCase{"N", "1[23]4", "\b", "1|4"},
    TypingCase{"N", "|12", "\b", "|12"},
    TypingCase{"*M", "a\r\n|b", "\b", "a|b"},
    // The box's limit: a full box takes no more; a selection makes room.
    TypingCase{"N", "12", "345", "123|", 3},
    TypingCase{"N", "1[2]3", "9", "19|3", 3},
    // Ctrl+T and Ctrl+U type the date and time through the same filter.
    TypingCase{"D", "", CTRL_T, "07/03/2024|"},
    TypingCase{"D", "", CTRL_T, "03/07/2024|", 0, 2},
    TypingCase{"N", "", CTRL_T, "07032024|"},
    TypingCase{"D", "", CTRL_T, "07/03|", 5},
    TypingCase{"A", "x", CTRL_T CTRL_U, "x|"},
    TypingCase{"", "", CTRL_T CTRL_U, "|"},
    TypingCase{"T", "", CTRL_U, "09:05:03|"},
    TypingCase{"T", "", CTRL_T, "07032024|"},
    TypingCase{"Y", "N", CTRL_T, "N|"},
    TypingCase{"N.-", "|5", CTRL_U, "090503|5"}));
// clang-format on

// A control key the box may keep for its own meaning is accepted unchanged; the date
// command's text and a paste are typed at the caret, a paste not filtered but cut and
// converted.
TEST(FieldKeyPress, ControlKeysTheDateCommandAndPaste) {
    const BoxState box = ParseBox("ab|");
    constexpr int kCtrlV = 22;
    const KeyResult free = FieldKeyPress({"*", 0, 1}, box, kCtrlV, kNow);
    EXPECT_EQ(free.Action, KeyAction::Accepted);
    EXPECT_EQ(free.Box, box);
    EXPECT_EQ(FieldKeyPress({"N", 0, 1}, box, kCtrlV, kNow).Action, KeyAction::Rejected);
    EXPECT_EQ(FieldKeyPress({"*", 0, 1}, box, 300, kNow).Action, KeyAction::Rejected);
    EXPECT_EQ(FieldKeyPress({"A", 0, 1}, box, kKeyInsertDate, kNow).Action, KeyAction::Rejected);
    const KeyResult date = FieldTypeText({"D", 0, 1}, ParseBox("[old]"), DateText(kNow, 1));
    EXPECT_EQ(date.Action, KeyAction::Accepted);
    EXPECT_EQ(ShowBox(date.Box), "07/03/2024|");
    EXPECT_EQ(ShowBox(FieldPaste({"NU", 5, 1}, ParseBox("1|2"), "abc,def")), "1ABC|2");
    EXPECT_EQ(ShowBox(FieldPaste({"N", 3, 1}, ParseBox("123|"), "4")), "123|");
}

TEST(BoxState, LineBreaksMoveTheCaretAndClampingKeepsItInside) {
    struct Case {
        const char* stored;
        const char* shown;
    };
    for (const Case& c :
         {Case{"a\r\n|b", "a\n|b"}, Case{"|a\r\nb", "|a\nb"}, Case{"a[\r\nb\r\n]c", "a[\nb\n]c"},
          Case{"\r\n\r\n|", "\n\n|"}, Case{"a\rb|", "a\rb|"}}) {
        EXPECT_EQ(ShowBox(ToShownLineBreaks(ParseBox(c.stored))), c.shown) << c.stored;
        EXPECT_EQ(ShowBox(ToStoredLineBreaks(ParseBox(c.shown))), c.stored) << c.shown;
    }
    // A caret between CR and LF cannot be shown there; it moves past the break.
    EXPECT_EQ(ShowBox(ToShownLineBreaks(BoxState{"a\r\nb", 2, 0})), "a\n|b");
    // Clamping keeps the caret and the selection inside the text.
    EXPECT_EQ(ClampSelection(BoxState{"abc", 7, 2}), (BoxState{"abc", 3, 0}));
    EXPECT_EQ(ClampSelection(BoxState{"abc", -1, 9}), (BoxState{"abc", 0, 3}));
}

// ProperCase starts every word with a capital; ConvertCase applies upper, then lower, then
// first capitals ("L", "UL" and "F" alone go through the key table above);
// converting a box keeps the caret and drops the selection.
TEST(CaseConversion, ProperUpperLowerAndTheBox) {
    EXPECT_EQ(ProperCase("a\tb\r\nc\vd\fe"), "A\tB\r\nC\vD\fE");
    EXPECT_EQ(ProperCase(std::string("x\0y", 3)), std::string("X\0Y", 3));
    EXPECT_EQ(ProperCase("o'NEIL-SMITH 1ST \xE9LISE"), "O'neil-smith 1st \xC9lise");
    EXPECT_EQ(ConvertCase("U", "abc \xE9"), "ABC \xC9");
    EXPECT_EQ(ConvertCase("UF", "mary ANN"), "Mary Ann");
    EXPECT_EQ(ConvertCase("N u l", "aBc"), "aBc");
    EXPECT_EQ(ShowBox(ApplyCaseConversion("U", ParseBox("ab[c]d"))), "AB|CD");
    EXPECT_EQ(ShowBox(ApplyCaseConversion("U", BoxState{"ab", 9, 4})), "AB|");
}

// The words a screen reader gives for what a field accepts.
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
