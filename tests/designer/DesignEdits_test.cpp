// The designer's edits as plain functions of a Design: moves, resizes, removal, additions,
// duplicates and the grid.

#include "DesignerFixture.h"
#include "design/DesignRules.h"

#include <array>
#include <tuple>

namespace tabulo::designer {
namespace {

using design::Design;

TEST(DesignerEdits, MovesOnlyTheItemsAndStopsAtTheCorner) {
    const struct {
        const char* what;
        Selection items;
        int dx, dy;
        std::array<int, 4> after; // NAME's left and top, CITY's left, NAME's label's left
    } cases[] = {
        {"one field right", {kName}, 10, 0, {110, 40, 100, 10}},
        {"field and its label up", {kName, kNameLabel}, 0, -5, {100, 35, 100, 10}},
        {"past the left edge stops at 0", {kName, kNameLabel}, -50, 0, {50, 40, 100, 0}},
        {"past the top stops at 0", {kName}, 0, -100, {100, 0, 100, 10}},
        {"nothing selected", {}, 10, 10, {100, 40, 100, 10}},
    };
    for (const auto& c : cases) {
        const Design d = Moved(TwoFieldDesign(), c.items, c.dx, c.dy);
        EXPECT_EQ(
            (std::array{d.fields[0].left, d.fields[0].top, d.fields[1].left, d.banners[0].left}),
            c.after)
            << c.what;
        EXPECT_EQ(d.fields[0].width, 120) << "a move keeps the size";
    }
}

TEST(DesignerEdits, ResizeChangesFieldsOnlyAndKeepsOnePixel) {
    const Design d = Resized(TwoFieldDesign(), {kName, kNameLabel}, -200, 4);
    EXPECT_EQ(std::pair(d.fields[0].width, d.fields[0].height), std::pair(1, 25));
    EXPECT_EQ(d.banners, TwoFieldDesign().banners);
}

TEST(DesignerEdits, RemovedBannersCloseUpToTheFirstSlots) {
    Design expected = TwoFieldDesign();
    expected.fields.pop_back();
    expected.banners = {TwoFieldDesign().banners[1]};
    expected.banners[0].slot = 1;
    EXPECT_EQ(Removed(TwoFieldDesign(), {kNameLabel, kCity}), expected);
}

// New fields take the lowest free slots and the record's end, past a given record length too.
TEST(DesignerEdits, AddedFieldsTakeTheLowestFreeSlotAndTheRecordsEnd) {
    Design d = TwoFieldDesign();
    d.recordLength = 32;
    EXPECT_EQ(AddField(d, 2, 20, 40), (ItemRef{ItemKind::Field, 2}));
    EXPECT_EQ(AddField(d, 2, 20, 70), (ItemRef{ItemKind::Field, 4}));
    const design::Field &first = *FindField(d, 2), &second = *FindField(d, 4);
    EXPECT_EQ(std::tuple(first.name, first.offset, first.page, second.name, second.offset),
              std::tuple("FIELD1", 31, 2, "FIELD2", 41));
    EXPECT_NE(first.id, second.id);
    EXPECT_EQ(d.recordLength, 51);
    EXPECT_TRUE(design::Validate(d).empty());
}

TEST(DesignerEdits, LabelForAFieldEndsLeftOfItOnItsRow) {
    Design d = TwoFieldDesign();
    EXPECT_EQ(AddLabelFor(d, 3, 30), (ItemRef{ItemKind::Banner, 3}));
    EXPECT_EQ(*FindBanner(d, 3),
              (design::Banner{3, 1, 100 - 8 - 30, 70, "CITY", d.window.formFont}));
}

TEST(DesignerEdits, DuplicatesAreNewItemsOneGridStepAway) {
    Design d = TwoFieldDesign();
    const Selection copies = Duplicate(d, {kCity, kNameLabel});
    ASSERT_EQ(copies.size(), 2u);
    const design::Field& copy = *FindField(d, copies.begin()->slot);
    EXPECT_EQ(std::tuple(copy.name, copy.format, copy.left, copy.offset),
              std::tuple("CITY_1", "U", 105, 31));
    EXPECT_EQ(FindBanner(d, 3)->caption, "Name");
    EXPECT_TRUE(design::Validate(d).empty());
}

// Three fields and a banner in a loose row: A (10, 40, 50 x 20), B (100, 45, 80 x 21),
// C (300, 38, 60 x 30), banner (5, 90, caption 40 x 16).
TEST(DesignerEdits, ArrangeLinesUpOrSpreadsFromTheDrawnPlaces) {
    using enum Arrangement;
    using Boxes = std::vector<std::array<int, 4>>; // left, top, width, height of A, B, C, banner
    // clang-format off
    const std::pair<Arrangement, Boxes> cases[] = {
        {AlignLeft, {{5, 40, 50, 20}, {5, 45, 80, 21}, {5, 38, 60, 30}, {5, 90, 40, 16}}},
        {AlignRight, {{310, 40, 50, 20}, {280, 45, 80, 21}, {300, 38, 60, 30}, {320, 90, 40, 16}}},
        {AlignTop, {{10, 38, 50, 20}, {100, 38, 80, 21}, {300, 38, 60, 30}, {5, 38, 40, 16}}},
        {AlignBottom, {{10, 86, 50, 20}, {100, 85, 80, 21}, {300, 76, 60, 30}, {5, 90, 40, 16}}},
        // The widest and the tallest field's size; a banner keeps its caption's.
        {SameWidth, {{10, 40, 80, 20}, {100, 45, 80, 21}, {300, 38, 80, 30}, {5, 90, 40, 16}}},
        {SameHeight, {{10, 40, 50, 30}, {100, 45, 80, 30}, {300, 38, 60, 30}, {5, 90, 40, 16}}},
        // From 5 to 360: 355 pixels, 230 taken, 125 over three gaps: 41, 42, 42.
        {SpreadAcross, {{86, 40, 50, 20}, {178, 45, 80, 21}, {300, 38, 60, 30}, {5, 90, 40, 16}}},
        // From 38 to 106: 68 pixels, 87 taken: the gaps are -6, -6, -7.
        {SpreadDown, {{10, 62, 50, 20}, {100, 76, 80, 21}, {300, 38, 60, 30}, {5, 90, 40, 16}}},
    };
    // clang-format on
    Design d = BlankDesign();
    d.fields.push_back({1, {}, 1, "A", 1, 10, 40, 50, 20, 1, 1, ""});
    d.fields.push_back({2, {}, 2, "B", 1, 100, 45, 80, 21, 1, 2, ""});
    d.fields.push_back({3, {}, 3, "C", 1, 300, 38, 60, 30, 1, 3, ""});
    d.banners.push_back({1, 1, 5, 90, "Note", {}});
    const Places places = {{{ItemKind::Field, 1}, {10, 40, 50, 20}},
                           {{ItemKind::Field, 2}, {100, 45, 80, 21}},
                           {{ItemKind::Field, 3}, {300, 38, 60, 30}},
                           {{ItemKind::Banner, 1}, {5, 90, 40, 16}}};
    for (const auto& [how, after] : cases) {
        const Design out = Arranged(d, places, how);
        Boxes got;
        for (const design::Field& f : out.fields)
            got.push_back({f.left, f.top, f.width, f.height});
        got.push_back({out.banners[0].left, out.banners[0].top, 40, 16});
        EXPECT_EQ(got, after) << static_cast<int>(how);
    }
}

} // namespace
} // namespace tabulo::designer
