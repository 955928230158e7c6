// The canvas with the mouse and the keys: selecting, dragging on the grid and onto guides,
// resizing by the handles, the arrow keys, the rubber band, moving items to another page;
// every change undoable.

#include "DesignerFixture.h"
#include "NamedCase.h"
#include "design/DesignRules.h"
#include "designer/DesignCanvas.h"
#include "editor/FormArea.h"

#include <QTest>

namespace tabulo::designer {
namespace {

struct DragCase {
    const char* what;
    bool snap;
    QPoint by;         // the mouse's way
    QPoint nameCorner; // where NAME ends up (it starts at 100, 40)
};

class DragTest : public DesignerTest, public testing::WithParamInterface<DragCase> {};

TEST_P(DragTest, MovesTheFieldByTheDraggedDistance) {
    const DragCase& c = GetParam();
    window->Canvas()->SetSnapToGrid(c.snap);
    const QPoint from = Middle(kName);
    Drag(from, from + c.by);
    EXPECT_EQ(QPoint(FieldOf(1).left, FieldOf(1).top), c.nameCorner);
    EXPECT_EQ(FieldOf(3).left, 100) << "only the dragged field moves";
    EXPECT_EQ(window->Canvas()->Selected(), Selection{kName});
    EXPECT_EQ(window->Canvas()->Form()->Field(1)->pos(), c.nameCorner) << "the form shows it there";
}

INSTANTIATE_TEST_SUITE_P(
    Designer, DragTest,
    testing::Values(DragCase{"on the grid", true, {133, 112}, {235, 150}},
                    DragCase{"to the nearest grid step", true, {132, 113}, {230, 155}},
                    DragCase{"without the grid", false, {133, 112}, {233, 152}},
                    DragCase{"past the corner", false, {-300, -300}, {0, 0}}),
    test::CaseName<DragCase>);

TEST_F(DesignerTest, AGuideNearbyWinsOverTheGrid) {
    // CITY's right edge comes 3 pixels short of NAME's (220): the guide takes it there,
    // where the grid alone would have put its corner at 135.
    const QPoint from = Middle(kCity);
    Drag(from, from + QPoint(37, 100));
    EXPECT_EQ(QPoint(FieldOf(3).left, FieldOf(3).top), QPoint(140, 170));
}

struct ResizeCase {
    const char* what;
    bool snap;
    QPoint handle, by;      // NAME's box is 100, 40, 120 x 21
    Qt::CursorShape cursor; // over the handle
    QRect box;
};

class ResizeTest : public DesignerTest, public testing::WithParamInterface<ResizeCase> {};

TEST_P(ResizeTest, AHandleResizesTheFieldByTheDraggedDistance) {
    const ResizeCase& c = GetParam();
    window->Canvas()->SetSnapToGrid(c.snap);
    window->Canvas()->Select({kName});
    QTest::mouseMove(Surface(), c.handle);
    EXPECT_EQ(Surface()->cursor().shape(), c.cursor);
    Drag(c.handle, c.handle + c.by);
    const design::Field& f = FieldOf(1);
    EXPECT_EQ(QRect(f.left, f.top, f.width, f.height), c.box);
    EXPECT_EQ(window->Canvas()->Form()->Field(1)->geometry(), c.box) << "the form shows it so";
    EXPECT_EQ(Doc().UndoStack()->count(), 1) << "one drag, one step of undo";
    Run("Undo");
    EXPECT_EQ(Doc().Current(), TwoFieldDesign());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Designer, ResizeTest,
    testing::Values(
        ResizeCase{"right edge on the grid", true,
                   {220, 50}, {38, 0}, Qt::SizeHorCursor, {100, 40, 160, 21}},
        ResizeCase{"bottom edge without the grid", false,
                   {160, 61}, {0, 43}, Qt::SizeVerCursor, {100, 40, 120, 64}},
        ResizeCase{"bottom right corner on the grid", true,
                   {220, 61}, {37, 48}, Qt::SizeFDiagCursor, {100, 40, 155, 70}},
        ResizeCase{"no narrower than ten pixels", true,
                   {220, 50}, {-200, 0}, Qt::SizeHorCursor, {100, 40, 10, 21}}),
    test::CaseName<ResizeCase>);
// clang-format on

TEST_F(DesignerTest, DraggingASelectedItemMovesTheWholeSelection) {
    QTest::mouseClick(Surface(), Qt::LeftButton, {}, Middle(kName));
    QTest::mouseClick(Surface(), Qt::LeftButton, Qt::ShiftModifier, Middle(kCity));
    QTest::mouseClick(Surface(), Qt::LeftButton, Qt::ControlModifier, Middle(kCityLabel));
    ASSERT_EQ(window->Canvas()->Selected(), (Selection{kName, kCity, kCityLabel}));
    Drag(Middle(kCity), Middle(kCity) + QPoint(10, 5));
    EXPECT_EQ(FieldOf(1).left, 110);
    EXPECT_EQ(FieldOf(3).top, 75);
    EXPECT_EQ(Doc().Current().banners[1].left, 20);
    EXPECT_EQ(Doc().Current().banners[0].left, 10) << "the unselected label stays";
    EXPECT_EQ(Doc().UndoStack()->count(), 1) << "one drag, one step of undo";
    QTest::mouseClick(Surface(), Qt::LeftButton, Qt::ControlModifier, Middle(kName));
    EXPECT_EQ(window->Canvas()->Selected(), (Selection{kCity, kCityLabel})) << "control takes out";
}

struct KeyCase {
    const char* what;
    int key;
    Qt::KeyboardModifiers modifiers;
    QRect box; // NAME's box after the key (it starts at 100, 40, 120 x 21)
};

class KeyTest : public DesignerTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyTest, ArrowKeysMoveAndResizeTheSelection) {
    const KeyCase& c = GetParam();
    window->Canvas()->Select({kName});
    Surface()->setFocus();
    Press(c.key, c.modifiers);
    const design::Field& f = FieldOf(1);
    EXPECT_EQ(QRect(f.left, f.top, f.width, f.height), c.box);
    Run("Undo");
    EXPECT_EQ(Doc().Current(), TwoFieldDesign());
}

INSTANTIATE_TEST_SUITE_P(
    Designer, KeyTest,
    testing::Values(
        KeyCase{"left", Qt::Key_Left, {}, {99, 40, 120, 21}},
        KeyCase{"right", Qt::Key_Right, {}, {101, 40, 120, 21}},
        KeyCase{"up", Qt::Key_Up, {}, {100, 39, 120, 21}},
        KeyCase{"down", Qt::Key_Down, {}, {100, 41, 120, 21}},
        KeyCase{"shift left", Qt::Key_Left, Qt::ShiftModifier, {90, 40, 120, 21}},
        KeyCase{"shift down", Qt::Key_Down, Qt::ShiftModifier, {100, 50, 120, 21}},
        KeyCase{"ctrl right widens", Qt::Key_Right, Qt::ControlModifier, {100, 40, 121, 21}},
        KeyCase{"ctrl up lowers", Qt::Key_Up, Qt::ControlModifier, {100, 40, 120, 20}},
        KeyCase{"ctrl shift down",
                Qt::Key_Down,
                Qt::ControlModifier | Qt::ShiftModifier,
                {100, 40, 120, 31}}),
    test::CaseName<KeyCase>);

struct BandCase {
    const char* what;
    QRect band;
    Selection expected;
};

class BandTest : public DesignerTest, public testing::WithParamInterface<BandCase> {};

TEST_P(BandTest, RubberBandSelectsWhatItMeets) {
    const BandCase& c = GetParam();
    window->Canvas()->Select({kCity});
    Drag(c.band.topLeft(), c.band.bottomRight());
    EXPECT_EQ(window->Canvas()->Selected(), c.expected);
    EXPECT_EQ(Doc().UndoStack()->count(), 0) << "selecting changes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Designer, BandTest,
    testing::Values(BandCase{"both fields", {QPoint(95, 35), QPoint(150, 80)}, {kName, kCity}},
                    BandCase{"a row", {QPoint(5, 38), QPoint(400, 45)}, {kName, kNameLabel}},
                    BandCase{"empty space", {QPoint(300, 200), QPoint(400, 300)}, {}}),
    test::CaseName<BandCase>);

TEST_F(DesignerTest, DeleteRemovesTheSelectionAndUndoBringsItBack) {
    window->Canvas()->Select({kName, kNameLabel});
    Run("Delete");
    EXPECT_EQ(Doc().Current().fields.size(), 1u);
    EXPECT_EQ(Doc().Current().banners.size(), 1u);
    EXPECT_TRUE(window->Canvas()->Form()->Field(1)->isHidden());
    EXPECT_TRUE(window->Canvas()->Selected().empty());
    Run("Undo");
    EXPECT_EQ(Doc().Current(), TwoFieldDesign());
}

TEST_F(DesignerTest, AlignLeftUsesTheDrawnPlaces) {
    window->Canvas()->Select({kName, kCityLabel});
    Run("AlignLeft");
    EXPECT_EQ(FieldOf(1).left, 10);
    Run("AlignRight");
    const QRect label = window->Canvas()->PlaceOf(kCityLabel);
    EXPECT_EQ(label.left() + label.width(), 130) << "the caption's drawn width counts";
    EXPECT_EQ(Doc().UndoStack()->count(), 2);
}

TEST_F(DesignerTest, CutAndPasteMovesItemsToAnotherPage) {
    window->Canvas()->Select({kCity, kCityLabel});
    Run("Cut");
    EXPECT_EQ(Doc().Current().fields.size(), 1u);
    window->Canvas()->SetPage(2);
    Run("Paste");
    const design::Field& city = *design::FieldNamed(Doc().Current(), "CITY");
    EXPECT_EQ(city.page, 2);
    EXPECT_EQ(city.offset, 21) << "new characters at the record's end";
    EXPECT_EQ(QPoint(city.left, city.top), QPoint(100, 70)) << "cut items paste where they were";
    EXPECT_EQ(window->Canvas()->Selected().size(), 2u);
    Run("Copy");
    Run("Paste");
    EXPECT_EQ(design::FieldNamed(Doc().Current(), "CITY_1")->left, 105)
        << "a copy goes a grid step away";
    EXPECT_TRUE(design::Validate(Doc().Current()).empty());
}

struct PageCase {
    const char* what;
    const char* command;
    int page;
};

class MoveToPageTest : public DesignerTest, public testing::WithParamInterface<PageCase> {};

TEST_P(MoveToPageTest, MovesTheSelectionInOneStepAndFollowsIt) {
    const PageCase& c = GetParam();
    window->Canvas()->Select({kName, kNameLabel});
    Run(c.command);
    EXPECT_EQ(FieldOf(1).page, c.page);
    EXPECT_EQ(Doc().Current().banners[0].page, c.page);
    EXPECT_EQ(FieldOf(3).page, 1) << "what is not selected stays";
    EXPECT_EQ(window->Canvas()->Page(), c.page);
    EXPECT_EQ(window->Canvas()->Selected(), (Selection{kName, kNameLabel}));
    Run("Undo");
    EXPECT_EQ(Doc().Current(), TwoFieldDesign());
    Run("Redo");
    EXPECT_EQ(FieldOf(1).page, c.page);
    EXPECT_EQ(Doc().UndoStack()->count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Designer, MoveToPageTest,
                         testing::Values(PageCase{"to page 3", "MoveToPage3", 3},
                                         PageCase{"to the next page", "MoveToNextPage", 2}),
                         test::CaseName<PageCase>);

TEST_F(DesignerTest, CanvasItemsAreNamedForScreenReaders) {
    const FormArea* form = window->Canvas()->Form();
    EXPECT_EQ(form->Field(1)->accessibleName(), "NAME");
    EXPECT_EQ(form->Field(3)->accessibleDescription(),
              "field, left 100, top 70, width 80, height 21");
    EXPECT_EQ(form->Banner(2)->accessibleName(), "City");
}

} // namespace
} // namespace tabulo::designer
