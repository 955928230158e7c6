// tabulo-cli info: the header in words, on the sample and on damaged files; and the words
// themselves (input codes, procedure names, colours, quoted text).

#include "CliFixture.h"
#include "InfoText.h"
#include "NamedCase.h"

namespace tabulo::cli {
namespace {

class Info : public CliTest {};

TEST_F(Info, DescribesTheContactsSample) {
    MakeSample("Contacts");
    const test::CliResult r = Cli({"info", "Contacts"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    for (const char* line : {
             "Records      12 of 709 bytes, 1 marked deleted\n",
             "Window       9600 x 7200 twips (640 x 480 pixels), background #F4F6FA\n",
             "Date order   DD/MM/YYYY (1)\n",
             "Orientation  portrait (1)\n",
             "Pages        3\n     1  \"Person\"\n     2  \"Address\"\n     3  \"Notes\"\n",
             "     3  LASTNAME                            1     32     30  \"AS-F!\" letters, "
             "space, minus, first capitals, required\n",
             "Banners      31\n",
             "; procedures Start, Update, FindCity, CalledToday\n",
         })
        EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
    EXPECT_EQ(r.out.find("  | Sub Start"), std::string::npos); // the text only with --script
    EXPECT_NE(Cli({"info", "Contacts.TBD", "--script"}).out.find("  | Sub Start\n"),
              std::string::npos);
}

struct DamagedCase {
    const char* what;
    void (*damage)(std::string& bytes);
    int status;
    std::string out; // part of standard output
    std::string err; // part of standard error
};

const DamagedCase kDamaged[] = {
    {"a header cut short", [](std::string& b) { b.resize(1000); }, 1, "",
     "tabulo-cli: Small.TBD: 1000 bytes, shorter than the 23496-byte header: not a database\n"},
    {"record length 0", [](std::string& b) { test::PutLong(b, 4, 0); }, 0,
     "Records      2, unreadable: record length 0\n", ""},
    {"more records counted than held", [](std::string& b) { test::PutLong(b, 0, 9); }, 0,
     "Records      2 of 6 bytes, 1 marked deleted\n             the header counts 9, the file "
     "holds 2\n",
     ""},
    {"a negative record count", [](std::string& b) { test::PutLong(b, 0, uint32_t(-3)); }, 0,
     "Records      0 of 6 bytes, 0 marked deleted\n             the header counts -3, the file "
     "holds 2\n",
     ""},
    {"a field count beyond 128", [](std::string& b) { test::PutInteger(b, 70, 500); }, 0,
     "Fields       500\n", ""},
};

class InfoOnDamage : public Info, public testing::WithParamInterface<DamagedCase> {};

TEST_P(InfoOnDamage, DescribesWhatCanBeRead) {
    test::TestDb db;
    db.AddField("NAME", 5, "A").AddRecord({"Ann"}).AddDeletedRecord({"Bob"});
    std::string bytes = db.Bytes();
    GetParam().damage(bytes);
    test::WriteFileBytes(File("Small.TBD"), bytes); // found under its extension in any case
    const test::CliResult r = Cli({"info", "Small"});
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    EXPECT_NE(r.out.find(GetParam().out), std::string::npos) << r.out;
    EXPECT_NE(r.err.find(GetParam().err), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Cli, InfoOnDamage, testing::ValuesIn(kDamaged),
                         test::CaseName<DamagedCase>);

// What the sample does not show: a blank format, a character without a meaning, a colour
// that is no RGB value, escapes, and lines that only look like declarations.
TEST(InfoText, HeaderMembersInWords) {
    EXPECT_EQ(CodeWords("   "), "no input");
    EXPECT_EQ(CodeWords("Aq<"), "letters, \"q\" (no meaning), left-aligned");
    EXPECT_EQ(ColourText(-2147483643), "-2147483643");
    EXPECT_EQ(QuotedText("a\"b\\\r\n\x01\xE9"), "\"a\\\"b\\\\\\r\\n\\x01\u00E9\"");
    const std::pair<const char*, std::vector<std::string>> scripts[] = {
        {"Sub Start\r\nEnd Sub\r\n\r\nSub Update\r\nEnd Sub", {"Start", "Update"}},
        {"  private function Total(a, b)\r\n  Exit Function\r\nEnd Function", {"Total"}},
        {"Public Sub Go()\nEnd Sub\n' Sub Commented\nDim Sub_", {"Go"}},
        {"x = 1\r\nSub\r\n", {}},
    };
    for (const auto& [script, names] : scripts)
        EXPECT_EQ(ProcedureNames(script), names) << script;
}

} // namespace
} // namespace tabulo::cli
