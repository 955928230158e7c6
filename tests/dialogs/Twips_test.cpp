#include "dialogs/Twips.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

TEST(Twips, PerPixelFollowsTheLogicalResolution) {
    struct Case {
        double dpiX, dpiY, perPixelX, perPixelY;
    };
    const Case cases[] = {{96, 96, 15, 15}, {120, 144, 12, 10}, {0, 96, 15, 15}};
    for (const Case& c : cases) {
        const Twips t(c.dpiX, c.dpiY);
        EXPECT_DOUBLE_EQ(t.PerPixelX(), c.perPixelX) << c.dpiX;
        EXPECT_DOUBLE_EQ(t.PerPixelY(), c.perPixelY) << c.dpiY;
    }
}

TEST(Twips, ConversionsRoundHalvesToEven) {
    const Twips half(2880, 2880); // half a twip per pixel
    struct Case {
        double pixels;
        int twips;
    };
    const Case cases[] = {{1, 0}, {3, 2}, {5, 2}, {7, 4}, {-3, -2}, {4, 2}};
    for (const Case& c : cases) {
        EXPECT_EQ(half.PixelsToTwipsX(c.pixels), c.twips) << c.pixels;
        EXPECT_EQ(half.PixelsToTwipsY(c.pixels), c.twips) << c.pixels;
    }
    const Twips standard(96, 96);
    EXPECT_EQ(standard.TwipsToPixelsX(3945), 263);
    EXPECT_EQ(standard.TwipsToPixelsY(7.5), 0);  // 0.5 pixel
    EXPECT_EQ(standard.TwipsToPixelsY(22.5), 2); // 1.5 pixels
}

TEST(Twips, ConvertsPointsSizesAndRectangles) {
    const Twips t(96, 144);
    EXPECT_EQ(t.ToPixels(QRect(180, 300, 3615, 615)), QRect(12, 30, 241, 62));
    EXPECT_EQ(t.ToTwips(QSize(640, 480)), QSize(9600, 4800));
    EXPECT_EQ(t.ToTwips(QPoint(2, 3)), QPoint(30, 30));
}

} // namespace
} // namespace tabulo
