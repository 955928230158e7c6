// A good description gives the expected bytes at the header's fixed offsets, read back
// here independently of the header decoder.

#include "Description.h"
#include "TempDir.h"
#include "TestDb.h"
#include "base/modLIB.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tabulo::cli {
namespace {

using test::IntegerAt;
using test::LongAt;

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

class DescriptionBytes : public testing::Test {
protected:
    void SetUp() override {
        std::string description = dir.File("d.json");
        std::ofstream(description) << kDescription;
        ASSERT_EQ(MakeDatabase(FilePath(description), FilePath(dir.File("D.Tbd"))), "");
        bytes = test::ReadFileBytes(dir.File("D.Tbd"));
    }
    test::TempDir dir;
    std::string bytes;
};

TEST_F(DescriptionBytes, HeaderMembersAtTheirOffsets) {
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
    EXPECT_EQ(bytes.substr(19144, 32), "Main" + std::string(28, ' '));
    EXPECT_EQ(bytes.substr(19176, 32), "Notes" + std::string(27, ' '));
    EXPECT_EQ(bytes.substr(19400, 19), "Sub Start\r\nEnd Sub ");
}

TEST_F(DescriptionBytes, FieldsWithGivenAndAutomaticPlaces) {
    const size_t name = 12360, note = 12360 + 53;
    EXPECT_EQ(uint8_t(bytes[name]), 1);
    EXPECT_EQ(IntegerAt(bytes, name + 1), 120);
    EXPECT_EQ(IntegerAt(bytes, name + 7), 22);
    EXPECT_EQ(IntegerAt(bytes, name + 9), 20);
    EXPECT_EQ(bytes.substr(name + 11, 32), "NAME" + std::string(28, ' '));
    EXPECT_EQ(bytes.substr(name + 43, 8), "ASF!    ");
    EXPECT_EQ(IntegerAt(bytes, name + 51), 1); // right after the deletion mark
    EXPECT_EQ(uint8_t(bytes[note]), 2);
    EXPECT_EQ(IntegerAt(bytes, note + 51), 30);
    EXPECT_EQ(IntegerAt(bytes, note + 7), 63); // a multi-line box is three rows high by default
    EXPECT_EQ(uint8_t(bytes[note + 53]), 0);   // slot 3 stays free
}

TEST_F(DescriptionBytes, BannerInWindows1252) {
    const size_t banner = 72;
    EXPECT_EQ(uint8_t(bytes[banner]), 2);
    EXPECT_EQ(IntegerAt(bytes, banner + 1), 10);
    EXPECT_EQ(bytes.substr(banner + 5, 7), "Caf\xE9 \x80 ");
    EXPECT_EQ(bytes.substr(banner + 69, 16), "Times New Roman ");
    EXPECT_EQ(uint8_t(bytes[banner + 85]), 14); // Size
    EXPECT_EQ(LongAt(bytes, banner + 92), 0xFFFFFF);
    EXPECT_EQ(uint8_t(bytes[banner + 96]), 0); // slot 2 free
}

TEST_F(DescriptionBytes, RecordsWithMarksAndCrLf) {
    std::string first = bytes.substr(23496, 60), second = bytes.substr(23556, 60);
    EXPECT_EQ(first, " Zo\xEB" + std::string(26, ' ') + "one\r\ntwo" + std::string(22, ' '));
    EXPECT_EQ(second, "*Old" + std::string(56, ' '));
}

TEST(SyntheticRecords, ValuesThatTheirCodesAccept) {
    const char* json = R"({"dateOrder": 2, "fields": [
        {"name": "ID", "length": 6, "format": "#"}, {"name": "BORN", "length": 10, "format": "D"},
        {"name": "AT", "length": 8, "format": "T"}, {"name": "OK", "length": 1, "format": "Y"},
        {"name": "CODE", "length": 4, "format": "AU"}],
      "records": [{"ID": " 1"}], "generate": {"count": 999, "deletedEvery": 3}})";
    BuildResult built = BuildDatabase(json, ".");
    ASSERT_TRUE(built.ok) << built.error;
    const auto& records = built.image.records;
    ASSERT_EQ(records.size(), 1000u);
    EXPECT_EQ(built.image.header.RecordCount, 1000);
    for (size_t i = 1; i < records.size(); ++i) {
        const std::string& r = records[i];
        ASSERT_EQ(r.size(), 30u);
        EXPECT_EQ(r[0], i % 3 == 0 ? '*' : ' ') << i;
        EXPECT_EQ(TrimSpaces(r.substr(1, 6)), std::to_string(i + 1));
        EXPECT_TRUE(modLIB::IsValidDate(r.substr(7, 10), 2)) << r;
        EXPECT_TRUE(modLIB::IsValidTime(r.substr(17, 8))) << r;
        EXPECT_TRUE(r[25] == 'Y' || r[25] == 'N') << r;
        for (char c : r.substr(26, 4))
            EXPECT_FALSE(modLIB::IsLower(c)) << r;
    }
}

TEST(SyntheticRecords, TheLargestFile) {
    BuildResult built =
        BuildDatabase(R"({"recordLength": 256, "fields": [{"name": "A", "length": 40}],
                          "generate": 65530})",
                      ".");
    ASSERT_TRUE(built.ok) << built.error;
    EXPECT_EQ(built.image.header.RecordCount, 65530);
    EXPECT_EQ(built.image.records.back().size(), 256u);
}

TEST(ScriptFile, ReadBesideTheDescriptionWithoutItsByteOrderMark) {
    test::TempDir dir;
    std::ofstream(dir.File("s.vbs"), std::ios::binary) << "\xEF\xBB\xBFSub Start\nEnd Sub\n";
    BuildResult built = BuildDatabase(R"({"scriptFile": "s.vbs"})", dir.Path());
    ASSERT_TRUE(built.ok) << built.error;
    EXPECT_EQ(TrimSpaces(built.image.header.Script), "Sub Start\r\nEnd Sub\r\n");
}

TEST(RecordCountOverride, HeaderCanCountRecordsThatAreNotThere) {
    BuildResult built =
        BuildDatabase(R"({"recordCount": 5, "recordLength": 4, "records": [" a"]})", ".");
    ASSERT_TRUE(built.ok) << built.error;
    EXPECT_EQ(built.image.header.RecordCount, 5);
    EXPECT_EQ(built.image.records.at(0), " a  ");
}

} // namespace
} // namespace tabulo::cli
