#include "TestDb.h"
#include "engine/DBHeader.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

using namespace tabulo;

using test::IntegerAt;
using test::LongAt;

TEST(DBHeader, EncodesMembersAtTheirFileOffsets) {
    DBHeader h = DefaultHeader();
    h.RecordCount = 0x01020304;
    h.RecordLength = 256;
    h.FieldCount = 3;
    h.Window.FieldFont.Bold = 1;
    h.Banners[1] = {2, -5, 300, FixedString("Hello", 64), h.Window.FormFont};
    DBField& f = h.Fields[127];
    f.Page = 8;
    f.Left = 10;
    f.Top = 20;
    f.Width = 30;
    f.Height = 40;
    f.Length = 50;
    f.Name = FixedString("Last", 32);
    f.Format = FixedString("!U", 8);
    f.Offset = 0x1234;
    h.PageHeadings[7] = FixedString("Notes", 32);
    h.DateOrder = 2;
    h.PrintOrientation = 2;

    const std::string b = EncodeHeader(h);
    ASSERT_EQ(b.size(), size_t(kHeaderSize));
    EXPECT_EQ(LongAt(b, 0), 0x01020304);
    EXPECT_EQ(LongAt(b, 4), 256);
    EXPECT_EQ(IntegerAt(b, 8), 640 * 15);
    EXPECT_EQ(LongAt(b, 12), 0xFFFFFF);
    EXPECT_EQ(b.substr(16, 16), "Arial           ");
    EXPECT_EQ(b.substr(43, 5), "Arial");     // FieldFont.Name
    EXPECT_EQ(b[43 + 17], 1);                // FieldFont.Bold
    EXPECT_EQ(LongAt(b, 43 + 23), 0xFFFFCC); // FieldFont.BackColor
    EXPECT_EQ(IntegerAt(b, 70), 3);
    const size_t banner2 = 72 + 96;
    EXPECT_EQ(b[banner2], 2);
    EXPECT_EQ(IntegerAt(b, banner2 + 1), -5);
    EXPECT_EQ(b.substr(banner2 + 5, 6), "Hello ");
    const size_t field128 = 12360 + 127 * 53;
    EXPECT_EQ(b[field128], 8);
    EXPECT_EQ(IntegerAt(b, field128 + 9), 50);
    EXPECT_EQ(b.substr(field128 + 43, 8), "!U      ");
    EXPECT_EQ(IntegerAt(b, field128 + 51), 0x1234);
    EXPECT_EQ(b.substr(19144 + 7 * 32, 6), "Notes ");
    EXPECT_EQ(b.substr(19400, 11), "Sub Start\r\n");
    EXPECT_EQ(b[23432], 2);
    EXPECT_EQ(b[23433], 2);
    EXPECT_EQ(b.substr(23434, 62), std::string(62, ' '));
}

TEST(DBHeader, DefaultScriptIsTwoEmptyProcedures) {
    const std::string script = DefaultHeader().Script;
    EXPECT_EQ(TrimSpaces(script), "Sub Start\r\nEnd Sub\r\n\r\nSub Update\r\nEnd Sub");
    EXPECT_EQ(script.size(), size_t(kScriptSize));
}

TEST(DBHeader, DecodeReversesEncodeForAnyBytes) {
    // Every byte pattern must decode, and encoding it again must give the same bytes.
    std::string bytes(kHeaderSize, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 7919) >> 3);
    DBHeader h = DecodeHeader(reinterpret_cast<const uint8_t*>(bytes.data()));
    EXPECT_EQ(EncodeHeader(h), bytes);
}

TEST(DBHeader, CountsPagesAndBanners) {
    DBHeader h = DefaultHeader();
    EXPECT_EQ(PageCount(h), 0);
    h.Fields[0].Page = 1;
    h.Fields[5].Page = 3;
    h.Banners[0].Page = 2;
    h.Banners[1].Page = 2;
    EXPECT_EQ(PageCount(h), 3);
    EXPECT_EQ(BannerCount(h), 2);
}

TEST(FixedString, PadsOrCuts) {
    EXPECT_EQ(FixedString("ABCDEFG", 5), "ABCDE");
    EXPECT_EQ(TrimSpaces("\tA\t"), "\tA\t");
}

} // namespace
