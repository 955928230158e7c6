// The canvas with the mouse and the keys: selecting, dragging on the grid and onto guides,
// resizing by the handles, the arrow keys, the rubber band, moving items to another page;
// every change undoable.

#include "DesignerFixture.h"
#include "NamedCase.h"
#include "design/DesignRules.h"
#include "designer/DesignCanvas.h"
#include "editor/FormArea.h"

#include <QTest>
#include <array>

namespace tabulo::designer {
namespace {

TEST_F(DesignerTest, AGuideNearbyWinsOverTheGrid) {
    // CITY's right edge comes 3 pixels short of NAME's (220): the guide takes it there,
    // where the grid alone would have put its corner at 135.
    const QPoint from = Middle(kCity);
    Drag(from, from + QPoint(37, 100));
    EXPECT_EQ(QPoint(FieldOf(3).left, FieldOf(3).top), QPoint(140, 170));
}

TEST_F(DesignerTest, DraggingASelectedItemMovesTheWholeSelection) {
    QTest::mouseClick(Surface(), Qt::LeftButton, {}, Middle(kName));
    QTest::mouseClick(Surface(), Qt::LeftButton, Qt::ShiftModifier, Middle(kCity));
    QTest::mouseClick(Surface(), Qt::LeftButton, Qt::ControlModifier, Middle(kCityLabel));
    ASSERT_EQ(window->Canvas()->Selected(), (Selection{kName, kCity, kCityLabel}));
    Drag(Middle(kCity), Middle(kCity) + QPoint(10, 5));
    // NAME's left, CITY's top, CITY's label's left, and NAME's label, not selected, stays.
    EXPECT_EQ((std::array{FieldOf(1).left, FieldOf(3).top, Doc().Current().banners[1].left,
                          Doc().Current().banners[0].left}),
              (std::array{110, 75, 20, 10}));
    EXPECT_EQ(Doc().UndoStack()->count(), 1) << "one drag, one step of undo";
    QTest::mouseClick(Surface(), Qt::LeftButton, Qt::ControlModifier, Middle(kName));
    EXPECT_EQ(window->Canvas()->Selected(), (Selection{kCity, kCityLabel})) << "control takes out";
}

// A handle dragged or a key pressed with NAME (100, 40, 120 x 21) selected, the grid on
// unless the case says otherwise: the box it leaves, in one step of undo.
struct GestureCase {
    const char* what;
    QRect box;
    int key = 0; // else a drag
    Qt::KeyboardModifiers modifiers = {};
    QPoint handle = {}, by = {};
    Qt::CursorShape cursor = Qt::ArrowCursor; // over the handle
    bool snap = true;
};

class GestureTest : public DesignerTest, public testing::WithParamInterface<GestureCase> {};

TEST_P(GestureTest, HandlesAndArrowKeysResizeAndMoveTheSelection) {
    const GestureCase& c = GetParam();
    window->Canvas()->SetSnapToGrid(c.snap);
    window->Canvas()->Select({kName});
    if (c.key) {
        Surface()->setFocus();
        Press(c.key, c.modifiers);
    } else {
        QTest::mouseMove(Surface(), c.handle);
        EXPECT_EQ(Surface()->cursor().shape(), c.cursor);
        Drag(c.handle, c.handle + c.by);
    }
    const design::Field& f = FieldOf(1);
    EXPECT_EQ(QRect(f.left, f.top, f.width, f.height), c.box);
    EXPECT_EQ(window->Canvas()->Form()->Field(1)->geometry(), c.box) << "the form shows it so";
    EXPECT_EQ(Doc().UndoStack()->count(), 1);
    Run("Undo");
    EXPECT_EQ(Doc().Current(), TwoFieldDesign());
}

using G = GestureCase;
const auto kCtrl = Qt::ControlModifier, kShift = Qt::ShiftModifier;
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Designer, GestureTest,
    testing::Values(
        G{"right edge on the grid", {100, 40, 160, 21}, 0, {}, {220, 50}, {38, 0},
          Qt::SizeHorCursor},
        G{"bottom edge without the grid", {100, 40, 120, 64}, 0, {}, {160, 61}, {0, 43},
          Qt::SizeVerCursor, false},
        G{"bottom right corner on the grid", {100, 40, 155, 70}, 0, {}, {220, 61}, {37, 48},
          Qt::SizeFDiagCursor},
        G{"no narrower than ten pixels", {100, 40, 10, 21}, 0, {}, {220, 50}, {-200, 0},
          Qt::SizeHorCursor},
        G{"left", {99, 40, 120, 21}, Qt::Key_Left},
        G{"right", {101, 40, 120, 21}, Qt::Key_Right},
        G{"up", {100, 39, 120, 21}, Qt::Key_Up},
        G{"down", {100, 41, 120, 21}, Qt::Key_Down},
        G{"shift left", {90, 40, 120, 21}, Qt::Key_Left, kShift},
        G{"shift down", {100, 50, 120, 21}, Qt::Key_Down, kShift},
        G{"ctrl right widens", {100, 40, 121, 21}, Qt::Key_Right, kCtrl},
        G{"ctrl up lowers", {100, 40, 120, 20}, Qt::Key_Up, kCtrl},
        G{"ctrl shift down", {100, 40, 120, 31}, Qt::Key_Down, kCtrl | kShift}),
    test::CaseName<GestureCase>);
// clang-format on

TEST_F(DesignerTest, RubberBandSelectsWhatItMeets) {
    const std::pair<QRect, Selection> cases[] = {
        {{QPoint(95, 35), QPoint(150, 80)}, {kName, kCity}},     // both fields
        {{QPoint(5, 38), QPoint(400, 45)}, {kName, kNameLabel}}, // a row
        {{QPoint(300, 200), QPoint(400, 300)}, {}},              // empty space
    };
    for (const auto& [band, selected] : cases) {
        window->Canvas()->Select({kCity});
        Drag(band.topLeft(), band.bottomRight());
        EXPECT_EQ(window->Canvas()->Selected(), selected);
    }
    EXPECT_EQ(Doc().UndoStack()->count(), 0) << "selecting changes nothing";
}

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

TEST_F(DesignerTest, MoveToPageMovesTheSelectionInOneStepAndFollowsIt) {
    for (const auto& [command, page] : {std::pair{"MoveToPage3", 3}, {"MoveToNextPage", 2}}) {
        window->Document().Reset(TwoFieldDesign(), {}, FileKind::None, 0);
        window->Canvas()->SetPage(1);
        window->Canvas()->Select({kName, kNameLabel});
        Run(command);
        EXPECT_EQ((std::array{FieldOf(1).page, Doc().Current().banners[0].page, FieldOf(3).page,
                              window->Canvas()->Page()}),
                  (std::array{page, page, 1, page}))
            << command << ": the selection's page, CITY's (not selected), the page shown";
        EXPECT_EQ(window->Canvas()->Selected(), (Selection{kName, kNameLabel}));
        Run("Undo");
        EXPECT_EQ(Doc().Current(), TwoFieldDesign());
        Run("Redo");
        EXPECT_EQ(FieldOf(1).page, page);
        EXPECT_EQ(Doc().UndoStack()->count(), 1);
    }
}

TEST_F(DesignerTest, CanvasItemsAreNamedForScreenReaders) {
    const FormArea* form = window->Canvas()->Form();
    EXPECT_EQ(form->Field(1)->accessibleName(), "NAME");
    EXPECT_EQ(form->Field(3)->accessibleDescription(),
              "field, left 100, top 70, width 80, height 21");
    EXPECT_EQ(form->Banner(2)->accessibleName(), "City");
}

} // namespace
} // namespace tabulo::designer
