#include "TestDb.h"
#include "engine/DBHeader.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

using namespace tabulo;

using test::IntegerAt;

// The members at the ends of the header's arrays, and the blank tail. The members of the
// first slots are checked at their offsets by the description tests of tabulo-cli, and by
// the file written from the format tables in modDB_test.
TEST(DBHeader, EncodesMembersAtTheirFileOffsets) {
    DBHeader h = DefaultHeader();
    h.Banners[1] = {2, -5, 300, FixedString("Hello", 64), h.Window.FormFont};
    DBField& f = h.Fields[127];
    f.Page = 8;
    f.Length = 50;
    f.Format = FixedString("!U", 8);
    f.Offset = 0x1234;
    h.PageHeadings[7] = FixedString("Notes", 32);

    const std::string b = EncodeHeader(h);
    ASSERT_EQ(b.size(), size_t(kHeaderSize));
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
    EXPECT_EQ(b.substr(23434, 62), std::string(62, ' '));
}

TEST(DBHeader, DecodeReversesEncodeForAnyBytes) {
    // Every byte pattern must decode, and encoding it again must give the same bytes.
    std::string bytes(kHeaderSize, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 7919) >> 3);
    DBHeader h = DecodeHeader(reinterpret_cast<const uint8_t*>(bytes.data()));
    EXPECT_EQ(EncodeHeader(h), bytes);
}

} // namespace
