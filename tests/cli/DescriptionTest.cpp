// Descriptions made into databases. A good one gives the expected bytes at the header's
// fixed offsets, read back here independently of the header decoder, and the records it
// asks for. A bad one is refused with a message that names the place, and an older database
// file of the same name is left as it was; the rules of a valid design have their own table
// (tests/design), and one of them here shows that the tool reports them.

#include "Description.h"

#include "NamedCase.h"
#include "TempDir.h"
#include "TestDb.h"
#include "base/modLIB.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace tabulo::cli {
namespace {

using test::IntegerAt;
using test::LongAt;

class Description : public testing::Test {
protected:
    // `json` as description.json made into Out.Tbd, which held "older contents": the error.
    std::string Make(const std::string& json) {
        std::ofstream(dir.File("description.json")) << json;
        std::ofstream(dir.File("Out.Tbd")) << "older contents";
        return MakeDatabase(FilePath(dir.File("description.json")), FilePath(dir.File("Out.Tbd")));
    }
    test::TempDir dir;
};

const char* kDescription = R"({
  "comment": "two fields, one laid out by hand",
  "window": {"width": 9000, "height": 6000, "backColor": "#102030",
             "fieldFont": {"name": "Courier New", "size": 12, "bold": true, "foreColor": 255}},
  "fields": [
    {"name": "NAME", "length": 20, "format": "ASF!", "left": 120, "top": 40, "width": 200, "height": 22},
    {"name": "NOTE", "length": 30, "format": "*M", "page": 2, "offset": 30}
  ],
  "banners": [{"page": 2, "left": 10, "top": 12, "caption": "Café €",
               "font": {"name": "Times New Roman", "size": 14, "italic": true, "backColor": "#FFFFFF"}}],
  "pageHeadings": ["Main", "Notes"],
  "script": "Sub Start\nEnd Sub",
  "dateOrder": 2,
  "printOrientation": "portrait",
  "records": [
    {"NAME": "Zoë", "NOTE": "one\ntwo"},
    {"_deleted": true, "NAME": "Old"}
  ]
})";

TEST_F(Description, GivesTheBytesAtTheHeadersOffsets) {
    ASSERT_EQ(Make(kDescription), "");
    const std::string bytes = test::ReadFileBytes(dir.File("Out.Tbd"));
    ASSERT_EQ(bytes.size(), 23496u + 2 * 60);
    EXPECT_EQ(LongAt(bytes, 0), 2);         // RecordCount
    EXPECT_EQ(LongAt(bytes, 4), 60);        // RecordLength: NOTE ends at 60
    EXPECT_EQ(IntegerAt(bytes, 8), 9000);   // Window.Width
    EXPECT_EQ(LongAt(bytes, 12), 0x302010); // BackColor: red + 256 green + 65536 blue
    EXPECT_EQ(bytes.substr(16, 16), "Arial" + std::string(11, ' ')); // FormFont keeps its default
    EXPECT_EQ(bytes.substr(43, 16), "Courier New     ");             // FieldFont.Name
    EXPECT_EQ(uint8_t(bytes[59]), 12);                               // FieldFont.Size
    EXPECT_EQ(uint8_t(bytes[60]), 1);                                // FieldFont.Bold
    EXPECT_EQ(LongAt(bytes, 62), 255);                               // FieldFont.ForeColor
    EXPECT_EQ(LongAt(bytes, 66), 0xFFFFCC);                          // FieldFont.BackColor default
    EXPECT_EQ(IntegerAt(bytes, 70), 2);                              // FieldCount
    EXPECT_EQ(uint8_t(bytes[23432]), 2);                             // DateOrder
    EXPECT_EQ(uint8_t(bytes[23433]), 1);                             // PrintOrientation
    EXPECT_EQ(bytes.substr(19144, 64),
              "Main" + std::string(28, ' ') + "Notes" + std::string(27, ' '));
    EXPECT_EQ(bytes.substr(19400, 19), "Sub Start\r\nEnd Sub ");
    // Fields with given and automatic places.
    const size_t name = 12360, note = 12360 + 53;
    EXPECT_EQ(uint8_t(bytes[name]), 1);
    EXPECT_EQ(IntegerAt(bytes, name + 1), 120);
    EXPECT_EQ(IntegerAt(bytes, name + 7), 22);
    EXPECT_EQ(IntegerAt(bytes, name + 9), 20);
    EXPECT_EQ(bytes.substr(name + 11, 40), "NAME" + std::string(28, ' ') + "ASF!    "); // format
    EXPECT_EQ(IntegerAt(bytes, name + 51), 1); // right after the deletion mark
    EXPECT_EQ(uint8_t(bytes[note]), 2);
    EXPECT_EQ(IntegerAt(bytes, note + 51), 30);
    EXPECT_EQ(IntegerAt(bytes, note + 7), 63); // a multi-line box is three rows high by default
    EXPECT_EQ(uint8_t(bytes[note + 53]), 0);   // slot 3 stays free
    // The banner in Windows-1252.
    const size_t banner = 72;
    EXPECT_EQ(uint8_t(bytes[banner]), 2);
    EXPECT_EQ(IntegerAt(bytes, banner + 1), 10);
    EXPECT_EQ(bytes.substr(banner + 5, 7), "Caf\xE9 \x80 ");
    EXPECT_EQ(bytes.substr(banner + 69, 16), "Times New Roman ");
    EXPECT_EQ(uint8_t(bytes[banner + 85]), 14); // Size
    EXPECT_EQ(LongAt(bytes, banner + 92), 0xFFFFFF);
    EXPECT_EQ(uint8_t(bytes[banner + 96]), 0); // slot 2 free
    // Records with their marks and CR LF line breaks.
    EXPECT_EQ(bytes.substr(23496), " Zo\xEB" + std::string(26, ' ') + "one\r\ntwo" +
                                       std::string(22, ' ') + "*Old" + std::string(56, ' '));
}

struct BadDescription {
    const char* what;
    std::string json;
    std::string error; // the message after "description.json: ", compared as a prefix
};

const std::string kTwoFields = R"("fields":[{"name":"A","length":10},{"name":"NAME","length":5}])";

std::vector<BadDescription> BadDescriptions() {
    return {
        {"overlapping fields",
         R"({"fields":[{"name":"A","length":10},{"name":"B","length":3,"offset":5}]})",
         "fields[1].offset: characters 5-7 overlap field A (fields[0], characters 1-10)"},
        {"an automatic offset past the largest Integer",
         R"({"fields":[{"name":"A","length":32767},{"name":"B","length":1}]})",
         "fields[1].offset: the field would start at character 32768, past the largest offset "
         "32767"},
        {"a field numbered beyond 128",
         R"({"fields":[{"slot":128,"name":"A","length":1},{"name":"B","length":1}]})",
         "fields[1]: field number 129 is beyond 128"},
        {"a script that outgrows 4000 characters with CR LF line ends",
         R"({"script":")" + std::string(3999, 'a') + R"(\n"})",
         "script: 4001 characters, more than 4000"},
        {"script and scriptFile together", R"({"script":"","scriptFile":"a.vbs"})",
         "script: give either script or scriptFile"},
        {"a missing script file", R"({"scriptFile":"nope.vbs"})",
         "scriptFile: cannot read \"nope.vbs\""},
        {"a value longer than its field",
         "{" + kTwoFields + R"(,"records":[{},{"NAME":"Smithe"}]})",
         "records[1].NAME: 6 characters, longer than the field (5)"},
        {"a value that is not text", "{" + kTwoFields + R"(,"records":[{"A":5}]})",
         "records[0].A: expected a text"},
        {"a record that is neither values nor text", R"({"records":[5]})",
         "records[0]: expected an object of field values or a record text"},
        {"a record text beyond the record length",
         R"({"recordLength":11,"records":["  123456789012"]})",
         "records[0]: 14 characters, longer than the record length 11"},
        {"too many records", R"({"records":[" "],"generate":65530})",
         "generate: 1 listed and 65530 generated records are more than 65530"},
        {"an unknown top-level key", R"({"colour":1})", "colour: unknown key"},
        {"a malformed colour", R"({"window":{"backColor":"#12345"}})",
         "window.backColor: expected a colour as \"#RRGGBB\" or a number"},
        {"an unnamed print orientation", R"({"printOrientation":"sideways"})",
         "printOrientation: expected a number from 0 to 255 or one of \"portrait\", "
         "\"landscape\""},
        {"a JSON syntax error", "{\n  \"fields\": [,]\n}", "line 2, column 14: not valid JSON"},
        {"text that is not UTF-8", "{\"pageHeadings\": [\"\xFF\"]}", "line 1, column"},
        {"a list nested deeper than any description", std::string(100000, '['), "line 1, column"},
        {"a list instead of an object", "[1, 2]", "the description must be a JSON object"},
        {"generated records without a count", R"({"generate":{"deletedEvery":2}})",
         "generate.count: is required"},
        {"a fractional length", R"({"fields":[{"name":"A","length":1.5}]})",
         "fields[0].length: expected a whole number from 1 to 32767"},
    };
}

class DescriptionErrors : public Description, public testing::WithParamInterface<BadDescription> {};

TEST_P(DescriptionErrors, NamePlaceAndWriteNothing) {
    const std::string error = Make(GetParam().json);
    const std::string expected = dir.File("description.json") + ": " + GetParam().error;
    EXPECT_EQ(error.substr(0, expected.size()), expected) << error;
    EXPECT_EQ(test::ReadFileBytes(dir.File("Out.Tbd")), "older contents");
    EXPECT_FALSE(std::filesystem::exists(dir.File("Out.Tbd.part")));
}

INSTANTIATE_TEST_SUITE_P(Tbdmake, DescriptionErrors, testing::ValuesIn(BadDescriptions()),
                         test::CaseName<BadDescription>);

// The largest file: one record listed and 65,529 generated, each holding values that its
// field's codes accept.
TEST(SyntheticRecords, ValuesThatTheirCodesAccept) {
    const char* json = R"({"dateOrder": 2, "recordLength": 256, "fields": [
        {"name": "ID", "length": 6, "format": "#"}, {"name": "BORN", "length": 10, "format": "D"},
        {"name": "AT", "length": 8, "format": "T"}, {"name": "OK", "length": 1, "format": "Y"},
        {"name": "CODE", "length": 4, "format": "AU"}],
      "records": [{"ID": " 1"}], "generate": {"count": 65529, "deletedEvery": 3}})";
    BuildResult built = BuildDatabase(json, ".");
    ASSERT_TRUE(built.ok) << built.error;
    const auto& records = built.image.records;
    ASSERT_EQ(records.size(), 65530u);
    EXPECT_EQ(built.image.header.RecordCount, 65530);
    for (size_t i = 1; i < records.size(); ++i) {
        const std::string& r = records[i];
        ASSERT_EQ(r.size(), 256u);
        EXPECT_EQ(r[0], i % 3 == 0 ? '*' : ' ') << i;
        EXPECT_EQ(TrimSpaces(r.substr(1, 6)), std::to_string(i + 1));
        EXPECT_TRUE(modLIB::IsValidDate(r.substr(7, 10), 2)) << r;
        EXPECT_TRUE(modLIB::IsValidTime(r.substr(17, 8))) << r;
        EXPECT_TRUE(r[25] == 'Y' || r[25] == 'N') << r;
        for (char c : r.substr(26, 4))
            EXPECT_FALSE(modLIB::IsLower(c)) << r;
    }
}

// A script file beside the description loses its byte order mark; a header may count
// records that are not there.
TEST_F(Description, ScriptFileAndRecordCountAsGiven) {
    std::ofstream(dir.File("s.vbs"), std::ios::binary) << "\xEF\xBB\xBFSub Start\nEnd Sub\n";
    BuildResult built = BuildDatabase(
        R"({"scriptFile": "s.vbs", "recordCount": 5, "recordLength": 4, "records": [" a"]})",
        dir.Path());
    ASSERT_TRUE(built.ok) << built.error;
    EXPECT_EQ(TrimSpaces(built.image.header.Script), "Sub Start\r\nEnd Sub\r\n");
    EXPECT_EQ(built.image.header.RecordCount, 5);
    EXPECT_EQ(built.image.records, std::vector<std::string>{" a  "});
}

} // namespace
} // namespace tabulo::cli
