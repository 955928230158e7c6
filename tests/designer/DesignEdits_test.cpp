// The designer's edits as plain functions of a Design: moves, resizes, removal, additions,
// duplicates and the grid.

#include "DesignerFixture.h"
#include "NamedCase.h"
#include "design/DesignRules.h"

#include <tuple>

namespace tabulo::designer {
namespace {

using design::Design;

struct MoveCase {
    const char* what;
    Selection items;
    int dx, dy;
    int nameLeft, nameTop, cityLeft, labelLeft;
};

class MoveTest : public testing::TestWithParam<MoveCase> {};

TEST_P(MoveTest, MovesOnlyTheItemsAndStopsAtTheCorner) {
    const MoveCase& c = GetParam();
    const Design d = Moved(TwoFieldDesign(), c.items, c.dx, c.dy);
    EXPECT_EQ(d.fields[0].left, c.nameLeft);
    EXPECT_EQ(d.fields[0].top, c.nameTop);
    EXPECT_EQ(d.fields[1].left, c.cityLeft);
    EXPECT_EQ(d.banners[0].left, c.labelLeft);
    EXPECT_EQ(d.fields[0].width, 120) << "a move keeps the size";
}

INSTANTIATE_TEST_SUITE_P(
    Designer, MoveTest,
    testing::Values(
        MoveCase{"one field right", {kName}, 10, 0, 110, 40, 100, 10},
        MoveCase{"field and its label up", {kName, kNameLabel}, 0, -5, 100, 35, 100, 10},
        MoveCase{"past the left edge stops at 0", {kName, kNameLabel}, -50, 0, 50, 40, 100, 0},
        MoveCase{"past the top stops at 0", {kName}, 0, -100, 100, 0, 100, 10},
        MoveCase{"nothing selected", {}, 10, 10, 100, 40, 100, 10}),
    test::CaseName<MoveCase>);

TEST(DesignerEdits, ResizeChangesFieldsOnlyAndKeepsOnePixel) {
    const Design d = Resized(TwoFieldDesign(), {kName, kNameLabel}, -200, 4);
    EXPECT_EQ(d.fields[0].width, 1);
    EXPECT_EQ(d.fields[0].height, 25);
    EXPECT_EQ(d.banners, TwoFieldDesign().banners);
}

TEST(DesignerEdits, RemovedBannersCloseUpToTheFirstSlots) {
    const Design d = Removed(TwoFieldDesign(), {kNameLabel, kCity});
    ASSERT_EQ(d.fields.size(), 1u);
    EXPECT_EQ(d.fields[0].name, "NAME");
    ASSERT_EQ(d.banners.size(), 1u);
    EXPECT_EQ(d.banners[0].caption, "City");
    EXPECT_EQ(d.banners[0].slot, 1);
}

TEST(DesignerEdits, AddedFieldTakesTheLowestFreeSlotAndTheRecordsEnd) {
    Design d = TwoFieldDesign();
    const ItemRef first = AddField(d, 2, 20, 40);
    const ItemRef second = AddField(d, 2, 20, 70);
    EXPECT_EQ(first, (ItemRef{ItemKind::Field, 2}));
    EXPECT_EQ(second, (ItemRef{ItemKind::Field, 4}));
    const design::Field& f = *FindField(d, 2);
    EXPECT_EQ(f.name, "FIELD1");
    EXPECT_EQ(f.offset, 31);
    EXPECT_EQ(FindField(d, 4)->offset, 41);
    EXPECT_EQ(FindField(d, 4)->name, "FIELD2");
    EXPECT_EQ(f.page, 2);
    EXPECT_NE(f.id, FindField(d, 4)->id);
    EXPECT_TRUE(design::Validate(d).empty());
}

TEST(DesignerEdits, AddedFieldGrowsAGivenRecordLength) {
    Design d = TwoFieldDesign();
    d.recordLength = 32;
    AddField(d, 1, 0, 0);
    EXPECT_EQ(d.recordLength, 41);
    EXPECT_TRUE(design::Validate(d).empty());
}

TEST(DesignerEdits, LabelForAFieldEndsLeftOfItOnItsRow) {
    Design d = TwoFieldDesign();
    const ItemRef label = AddLabelFor(d, 3, 30);
    const design::Banner& b = *FindBanner(d, label.slot);
    EXPECT_EQ(label.slot, 3);
    EXPECT_EQ(b.caption, "CITY");
    EXPECT_EQ(b.top, 70);
    EXPECT_EQ(b.left, 100 - 8 - 30);
    EXPECT_EQ(b.font, d.window.formFont);
}

TEST(DesignerEdits, DuplicatesAreNewItemsOneGridStepAway) {
    Design d = TwoFieldDesign();
    const Selection copies = Duplicate(d, {kCity, kNameLabel});
    ASSERT_EQ(copies.size(), 2u);
    const design::Field& copy = *FindField(d, copies.begin()->slot);
    EXPECT_EQ(copy.name, "CITY_1");
    EXPECT_EQ(copy.format, "U");
    EXPECT_EQ(copy.left, 105);
    EXPECT_EQ(copy.offset, 31);
    EXPECT_EQ(FindBanner(d, 3)->caption, "Name");
    EXPECT_TRUE(design::Validate(d).empty());
}

// Three fields and a banner in a loose row: A (10, 40, 50 x 20), B (100, 45, 80 x 21),
// C (300, 38, 60 x 30), banner (5, 90, caption 40 x 16).
struct ArrangeCase {
    const char* what;
    Arrangement how;
    std::vector<Box> after; // A, B, C, banner
};

class ArrangeTest : public testing::TestWithParam<ArrangeCase> {};

TEST_P(ArrangeTest, LinesUpOrSpreadsFromTheDrawnPlaces) {
    Design d = BlankDesign();
    d.fields.push_back({1, {}, 1, "A", 1, 10, 40, 50, 20, 1, 1, ""});
    d.fields.push_back({2, {}, 2, "B", 1, 100, 45, 80, 21, 1, 2, ""});
    d.fields.push_back({3, {}, 3, "C", 1, 300, 38, 60, 30, 1, 3, ""});
    d.banners.push_back({1, 1, 5, 90, "Note", {}});
    const Places places = {{{ItemKind::Field, 1}, {10, 40, 50, 20}},
                           {{ItemKind::Field, 2}, {100, 45, 80, 21}},
                           {{ItemKind::Field, 3}, {300, 38, 60, 30}},
                           {{ItemKind::Banner, 1}, {5, 90, 40, 16}}};
    const Design out = Arranged(d, places, GetParam().how);
    std::vector<Box> got;
    for (const design::Field& f : out.fields)
        got.push_back({f.left, f.top, f.width, f.height});
    got.push_back({out.banners[0].left, out.banners[0].top, 40, 16});
    ASSERT_EQ(got.size(), GetParam().after.size());
    for (size_t i = 0; i < got.size(); ++i) {
        const Box& want = GetParam().after[i];
        EXPECT_EQ(std::tie(got[i].left, got[i].top, got[i].width, got[i].height),
                  std::tie(want.left, want.top, want.width, want.height))
            << "item " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Designer, ArrangeTest,
    testing::Values(
        ArrangeCase{"align left",
                    Arrangement::AlignLeft,
                    {{5, 40, 50, 20}, {5, 45, 80, 21}, {5, 38, 60, 30}, {5, 90, 40, 16}}},
        ArrangeCase{"align right",
                    Arrangement::AlignRight,
                    {{310, 40, 50, 20}, {280, 45, 80, 21}, {300, 38, 60, 30}, {320, 90, 40, 16}}},
        ArrangeCase{"align top",
                    Arrangement::AlignTop,
                    {{10, 38, 50, 20}, {100, 38, 80, 21}, {300, 38, 60, 30}, {5, 38, 40, 16}}},
        ArrangeCase{"align bottom",
                    Arrangement::AlignBottom,
                    {{10, 86, 50, 20}, {100, 85, 80, 21}, {300, 76, 60, 30}, {5, 90, 40, 16}}},
        ArrangeCase{"same width of the widest field",
                    Arrangement::SameWidth,
                    {{10, 40, 80, 20}, {100, 45, 80, 21}, {300, 38, 80, 30}, {5, 90, 40, 16}}},
        ArrangeCase{"same height of the tallest field",
                    Arrangement::SameHeight,
                    {{10, 40, 50, 30}, {100, 45, 80, 30}, {300, 38, 60, 30}, {5, 90, 40, 16}}},
        // From 5 to 360: 355 pixels, 230 taken, 125 over three gaps: 41, 42, 42.
        ArrangeCase{"spread across",
                    Arrangement::SpreadAcross,
                    {{86, 40, 50, 20}, {178, 45, 80, 21}, {300, 38, 60, 30}, {5, 90, 40, 16}}},
        // From 38 to 106: 68 pixels, 87 taken: the gaps are -6, -6, -7.
        ArrangeCase{"spread down",
                    Arrangement::SpreadDown,
                    {{10, 62, 50, 20}, {100, 76, 80, 21}, {300, 38, 60, 30}, {5, 90, 40, 16}}}),
    test::CaseName<ArrangeCase>);

TEST(DesignerEdits, SnapGoesToTheNearestGridLine) {
    const std::vector<std::pair<int, int>> cases = {{0, 0},  {2, 0},  {3, 5},  {7, 5},
                                                    {8, 10}, {-2, 0}, {-3, -5}};
    for (const auto& [value, snapped] : cases)
        EXPECT_EQ(Snapped(value), snapped) << value;
}

TEST(DesignerEdits, BlankDesignIsTheDefaultWindowWithOnePage) {
    const Design d = BlankDesign();
    EXPECT_EQ(d.window.width, 640 * 15);
    EXPECT_EQ(d.window.height, 480 * 15);
    EXPECT_EQ(d.window.fieldFont.name, "Arial");
    EXPECT_EQ(d.window.fieldFont.size, 10);
    EXPECT_EQ(d.pageHeadings[0], "Page 1");
    EXPECT_TRUE(design::Validate(d).empty());
}

} // namespace
} // namespace tabulo::designer
