// The arithmetic of a drag: the lines a handle moves, the smallest side, and the alignment
// guides that pull a moving line onto another item's line.

#include "designer/Guides.h"

#include <array>
#include <gtest/gtest.h>

namespace tabulo::designer {
namespace {

TEST(Dragged, MovesTheGrabbedLines) {
    const struct {
        const char* what;
        unsigned edges;
        int dx, dy;
        std::array<int, 4> box; // from 100, 40, 120 x 20
    } cases[] = {
        {"move", kWholeBox, 7, -3, {107, 37, 120, 20}},
        {"move past the corner", kWholeBox, -200, -50, {0, 0, 120, 20}},
        {"right edge", kRightEdge, 15, 9, {100, 40, 135, 20}},
        {"bottom right", kRightEdge | kBottomEdge, -20, 5, {100, 40, 100, 25}},
        {"left edge keeps the right", kLeftEdge, 20, 0, {120, 40, 100, 20}},
        {"top edge past the bottom", kTopEdge, 0, 30, {100, 50, 120, 10}},
        {"right edge past the left", kRightEdge, -300, 0, {100, 40, 10, 20}},
        {"left edge past the corner", kLeftEdge, -150, 0, {0, 40, 220, 20}},
    };
    for (const auto& c : cases) {
        const Box box = Dragged({100, 40, 120, 20}, c.edges, c.dx, c.dy);
        EXPECT_EQ((std::array{box.left, box.top, box.width, box.height}), c.box) << c.what;
    }
}

// The moving box is 50 x 20; the others are far apart unless a case says otherwise.
TEST(FitToGuides, PullsTheNearestLineWithinReach) {
    const struct {
        const char* what;
        Box moving;
        unsigned edges;
        std::vector<Box> others;
        std::optional<int> x, y;
        int dx, dy;
    } cases[] = {
        // clang-format off
        {"nothing near", {100, 100, 50, 20}, kWholeBox, {{300, 300, 40, 20}}, {}, {}, 0, 0},
        {"left to left", {103, 100, 50, 20}, kWholeBox, {{100, 300, 40, 20}}, 100, {}, -3, 0},
        {"just out of reach", {105, 100, 50, 20}, kWholeBox, {{100, 300, 40, 20}}, {}, {}, 0, 0},
        {"right to left", {48, 100, 50, 20}, kWholeBox, {{100, 300, 40, 20}}, 100, {}, 2, 0},
        {"centre to centre", {96, 100, 50, 20}, kWholeBox, {{100, 300, 40, 20}}, 120, {}, -1, 0},
        {"top to bottom", {300, 62, 50, 20}, kWholeBox, {{0, 40, 40, 20}}, {}, 60, 0, -2},
        {"both axes", {103, 62, 50, 20}, kWholeBox, {{100, 40, 40, 20}}, 100, 60, -3, -2},
        {"the nearest of several", {100, 100, 50, 20}, kWholeBox,
          {{97, 300, 40, 20}, {0, 500, 152, 20}, {101, 700, 10, 10}}, 101, {}, 1, 0},
        {"a tie keeps the first", {100, 100, 50, 20}, kWholeBox,
          {{98, 300, 40, 20}, {102, 500, 40, 20}}, 98, {}, -2, 0},
        {"a resize moves only its edge", {103, 100, 50, 20}, kRightEdge,
          {{100, 300, 40, 20}, {0, 500, 155, 20}}, 155, {}, 2, 0},
        {"a resize ignores the still edge", {103, 100, 50, 20}, kBottomEdge,
          {{100, 300, 40, 20}}, {}, {}, 0, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        const GuideFit fit = FitToGuides(c.moving, c.edges, c.others);
        EXPECT_EQ(std::tie(fit.x, fit.y, fit.dx, fit.dy), std::tie(c.x, c.y, c.dx, c.dy)) << c.what;
    }
}

} // namespace
} // namespace tabulo::designer
