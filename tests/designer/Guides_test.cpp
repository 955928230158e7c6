// The arithmetic of a drag: the lines a handle moves, the smallest side, and the alignment
// guides that pull a moving line onto another item's line.

#include "NamedCase.h"
#include "designer/Guides.h"

#include <gtest/gtest.h>

namespace tabulo::designer {
namespace {

bool Same(const Box& a, const Box& b) {
    return std::tie(a.left, a.top, a.width, a.height) == std::tie(b.left, b.top, b.width, b.height);
}

struct DragCase {
    const char* what;
    unsigned edges;
    int dx, dy;
    Box expected; // from 100, 40, 120 x 20
};

class DraggedTest : public testing::TestWithParam<DragCase> {};

TEST_P(DraggedTest, MovesTheGrabbedLines) {
    const DragCase& c = GetParam();
    const Box box = Dragged({100, 40, 120, 20}, c.edges, c.dx, c.dy);
    EXPECT_TRUE(Same(box, c.expected))
        << box.left << "," << box.top << " " << box.width << "x" << box.height;
}

INSTANTIATE_TEST_SUITE_P(
    Designer, DraggedTest,
    testing::Values(DragCase{"move", kWholeBox, 7, -3, {107, 37, 120, 20}},
                    DragCase{"move past the corner", kWholeBox, -200, -50, {0, 0, 120, 20}},
                    DragCase{"right edge", kRightEdge, 15, 9, {100, 40, 135, 20}},
                    DragCase{"bottom right", kRightEdge | kBottomEdge, -20, 5, {100, 40, 100, 25}},
                    DragCase{"left edge keeps the right", kLeftEdge, 20, 0, {120, 40, 100, 20}},
                    DragCase{"top edge past the bottom", kTopEdge, 0, 30, {100, 50, 120, 10}},
                    DragCase{"right edge past the left", kRightEdge, -300, 0, {100, 40, 10, 20}},
                    DragCase{"left edge past the corner", kLeftEdge, -150, 0, {0, 40, 220, 20}}),
    test::CaseName<DragCase>);

struct GuideCase {
    const char* what;
    Box moving;
    unsigned edges;
    std::vector<Box> others;
    std::optional<int> x, y;
    int dx, dy;
};

class GuideTest : public testing::TestWithParam<GuideCase> {};

TEST_P(GuideTest, PullsTheNearestLineWithinReach) {
    const GuideCase& c = GetParam();
    const GuideFit fit = FitToGuides(c.moving, c.edges, c.others);
    EXPECT_EQ(std::tie(fit.x, fit.y, fit.dx, fit.dy), std::tie(c.x, c.y, c.dx, c.dy));
}

// The moving box is 50 x 20; the others are far apart unless a case says otherwise.
using G = GuideCase;
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Designer, GuideTest,
    testing::Values(
        G{"nothing near", {100, 100, 50, 20}, kWholeBox, {{300, 300, 40, 20}}, {}, {}, 0, 0},
        G{"left to left", {103, 100, 50, 20}, kWholeBox, {{100, 300, 40, 20}}, 100, {}, -3, 0},
        G{"just out of reach", {105, 100, 50, 20}, kWholeBox, {{100, 300, 40, 20}}, {}, {}, 0, 0},
        G{"right to left", {48, 100, 50, 20}, kWholeBox, {{100, 300, 40, 20}}, 100, {}, 2, 0},
        G{"centre to centre", {96, 100, 50, 20}, kWholeBox, {{100, 300, 40, 20}}, 120, {}, -1, 0},
        G{"top to bottom", {300, 62, 50, 20}, kWholeBox, {{0, 40, 40, 20}}, {}, 60, 0, -2},
        G{"both axes", {103, 62, 50, 20}, kWholeBox, {{100, 40, 40, 20}}, 100, 60, -3, -2},
        G{"the nearest of several", {100, 100, 50, 20}, kWholeBox,
          {{97, 300, 40, 20}, {0, 500, 152, 20}, {101, 700, 10, 10}}, 101, {}, 1, 0},
        G{"a tie keeps the first", {100, 100, 50, 20}, kWholeBox,
          {{98, 300, 40, 20}, {102, 500, 40, 20}}, 98, {}, -2, 0},
        G{"a resize moves only its edge", {103, 100, 50, 20}, kRightEdge,
          {{100, 300, 40, 20}, {0, 500, 155, 20}}, 155, {}, 2, 0},
        G{"a resize ignores the still edge", {103, 100, 50, 20}, kBottomEdge,
          {{100, 300, 40, 20}}, {}, {}, 0, 0}),
    test::CaseName<GuideCase>);
// clang-format on

} // namespace
} // namespace tabulo::designer
