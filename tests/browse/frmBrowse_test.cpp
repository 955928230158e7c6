#include "BrowseWindowFixture.h"
#include "ModalDriver.h"
#include "browse/modBrowse.h"
#include "engine/PosixFileSystem.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace tabulo {
namespace {

using test::TestDb;
using test::WhenModalOpens;

TEST_F(BrowseWindowTest, OpensWithTheCaptionTheFieldsFontAndWidthsAndNoBarsWhenAllFits) {
    auto w = Open({120, 80}, 5);
    EXPECT_EQ(w->windowTitle(), "Select");
    EXPECT_EQ(w->minimumSize(), QSize(100, 100));
    EXPECT_EQ(std::pair(Grid(*w).font().family(), Grid(*w).font().pointSize()),
              std::pair(QString("Liberation Sans"), 10));
    EXPECT_EQ(Grid(*w).ColumnWidth(1), 120);
    // Neighbouring columns share their border pixel.
    EXPECT_EQ(Grid(*w).ColumnLeft(1), Grid(*w).RecnoWidth() - 1);
    EXPECT_EQ(Grid(*w).ColumnLeft(2), Grid(*w).ColumnLeft(1) + 119);
    EXPECT_EQ(Grid(*w).Row(0).cells, (std::vector<std::string>{"1-1", "1-2"}));
    // Everything fits: both bars are disabled.
    EXPECT_FALSE(Bar(*w, "HSBar").isEnabled());
    EXPECT_EQ(Bar(*w, "HSBar").pageStep(), 2);
    EXPECT_FALSE(Bar(*w, "VSBar").isEnabled());
    EXPECT_EQ(ShownRecords(*w), (std::vector<int32_t>{1, 2, 3, 4, 5}));
}

TEST_F(BrowseWindowTest, ColumnsWiderThanTheWindowEnableTheHorizontalBar) {
    auto w = Open({120, 120, 120, 120, 120}, 5);
    BrowseGrid& g = Grid(*w);
    EXPECT_EQ(BarState(*w, "HSBar"), std::tuple(true, 1, 5, 2));
    // The third column is shown cut off at the edge; the fourth lies beyond it.
    EXPECT_LT(g.ColumnLeft(3), g.width());
    EXPECT_GT(g.ColumnLeft(3) + g.ColumnWidth(3), g.width());
    EXPECT_GE(g.ColumnLeft(4), g.width());

    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}) // to the third and back
        QTest::keyClick(&g, key);
    EXPECT_EQ(w->FirstCol(), 2);
    Bar(*w, "HSBar").setValue(4);
    EXPECT_EQ(w->FirstCol(), 4);
    EXPECT_EQ(g.ColumnLeft(3), -1);
    EXPECT_EQ(g.ColumnLeft(4), g.RecnoWidth() - 1);
    EXPECT_EQ(BarState(*w, "HSBar"), std::tuple(true, 1, 5, 2));
}

TEST_F(BrowseWindowTest, OnlyTheRowsThatFitAreFilledAndTheBarPagesByAllButOne) {
    auto w = Open({80}, 65530);
    BrowseGrid& g = Grid(*w);
    ASSERT_GT(g.RowCount(), 2);
    EXPECT_LE(g.RowRect(g.RowCount() - 1).bottom(), g.height());
    EXPECT_GT(g.RowRect(g.RowCount()).bottom(), g.height() - 2); // no room for one more
    EXPECT_EQ(BarState(*w, "VSBar"), std::tuple(true, 1, 65530, g.RowCount() - 1));

    QTest::mouseClick(&g, Qt::LeftButton, {}, RowPoint(*w, 1, 1));
    Bar(*w, "VSBar").setValue(65529);
    EXPECT_EQ(w->TopRow(), 65529);
    EXPECT_EQ(ShownRecords(*w), (std::vector<int32_t>{65529, 65530}));
    EXPECT_EQ(g.SelectedRow(), -1);
}

TEST_F(BrowseWindowTest, TheWheelOverTheGridMovesTheVerticalBar) {
    auto w = Open({80}, 100);
    BrowseGrid& g = Grid(*w);
    const QPointF at = RowPoint(*w, 1, 1);
    QWheelEvent down(at, g.mapToGlobal(at), {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase,
                     false);
    QApplication::sendEvent(&g, &down);
    EXPECT_GT(w->TopRow(), 1);
    EXPECT_EQ(g.Row(0).recNo, w->TopRow());
}

TEST_F(BrowseWindowTest, ArrowsMoveWithinTheShownRowsAndEnterPicks) {
    auto w = Open({80, 80}, 100);
    Bar(*w, "VSBar").setValue(10);
    BrowseGrid& g = Grid(*w);
    QTest::keyClick(&g, Qt::Key_Return); // nothing selected yet: the window stays
    EXPECT_TRUE(w->isVisible());
    QTest::keyClick(&g, Qt::Key_Down);
    QTest::keyClick(&g, Qt::Key_Down);
    QTest::keyClick(&g, Qt::Key_Down);
    QTest::keyClick(&g, Qt::Key_Up);
    EXPECT_EQ(g.SelectedRow(), 1);
    QTest::keyClick(&g, Qt::Key_End);
    EXPECT_EQ(g.SelectedRow(), g.RowCount() - 1);
    QTest::keyClick(&g, Qt::Key_Home);
    QTest::keyClick(&g, Qt::Key_Down);
    QTest::keyClick(&g, Qt::Key_Enter);
    EXPECT_EQ(w->BrowseResult(), 11);
    EXPECT_EQ(w->result(), QDialog::Accepted);
}

// A double-click on any column of a row picks its record; below the rows, nothing.
TEST_F(BrowseWindowTest, DoubleClickOnAnyColumnPicksThatRowsRecord) {
    const struct {
        int records, top, row, col;
        int32_t picked; // 0: the window stays open
    } cases[] = {{100, 20, 2, 0, 22}, {100, 20, 2, 2, 22}, {2, 1, 5, 1, 0}};
    for (const auto& c : cases) {
        auto w = Open({80, 80}, c.records);
        Bar(*w, "VSBar").setValue(c.top);
        QTest::mouseDClick(&Grid(*w), Qt::LeftButton, {}, RowPoint(*w, c.row, c.col));
        EXPECT_EQ(w->BrowseResult(), c.picked) << "column " << c.col;
        EXPECT_EQ(w->isVisible(), c.picked == 0);
    }
}

// A header click sorts by its column, keeping the top row and dropping the selection;
// RECNO's header restores the file's order.
TEST_F(BrowseWindowTest, HeaderClicksSortKeepingTheTopRowAndRecnoRestoresTheFileOrder) {
    auto w = Open({80}, 30);
    BrowseGrid& g = Grid(*w);
    Bar(*w, "VSBar").setValue(3);
    QTest::mouseClick(&g, Qt::LeftButton, {}, RowPoint(*w, 1, 1));
    QTest::mouseClick(&g, Qt::LeftButton, {}, g.HeaderRect(1).center());
    EXPECT_EQ(w->TopRow(), 3);
    EXPECT_EQ(g.Row(0).recNo, 11); // texts "1-1", "10-1", "11-1", ...
    EXPECT_EQ(g.SelectedRow(), -1);
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(&g, Qt::LeftButton, {}, g.HeaderRect(0).center());
    EXPECT_EQ(ShownRecords(*w).front(), 3);
}

// Sees what each paint of the grid shows: the inverted header and the window's pointer.
class PaintWatcher : public QObject {
public:
    PaintWatcher(BrowseGrid& grid, QWidget& window) : grid_(grid), window_(window) {
        grid.installEventFilter(this);
    }
    std::vector<std::pair<int, Qt::CursorShape>> paints;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            paints.emplace_back(grid_.InvertedHeader(), window_.cursor().shape());
        return false;
    }

private:
    BrowseGrid& grid_;
    QWidget& window_;
};

TEST_F(BrowseWindowTest, TheClickedHeaderShowsInvertedUnderTheHourglassWhileSorting) {
    auto w = Open({80, 80}, 50);
    QApplication::processEvents();
    PaintWatcher watcher(Grid(*w), *w);
    w->ColumnHeaderClick(2);
    ASSERT_FALSE(watcher.paints.empty());
    EXPECT_EQ(watcher.paints.front(), std::make_pair(2, Qt::WaitCursor));
    EXPECT_EQ(Grid(*w).InvertedHeader(), -1);
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(BrowseWindowTest, GotoRecordListsTheFieldsWithoutHAndReturnsThePick) {
    TestDb db = NewDb();
    AddColumn(db, "CODE", 4, "N", 60);
    AddColumn(db, "SECRET", 4, "AH", 60);
    AddColumn(db, "NAME", 8, "A", 80);
    db.AddRecord({"1", "x", "one"}).AddRecord({"2", "y", "two"}).AddRecord({"3", "z", "three"});
    auto file = DbFile::Open(MachineFileSystem(), db.Create(dir_, "goto") + ".Tbd");
    std::vector<std::vector<std::string>> shown;
    WhenModalOpens([&](QWidget* modal) {
        BrowseGrid* g = modal->findChild<BrowseGrid*>();
        shown = {g->Row(0).cells};
        QTest::keyClick(g, Qt::Key_Down);
        QTest::keyClick(g, Qt::Key_Down);
        QTest::keyClick(g, Qt::Key_Return);
    });
    EXPECT_EQ(modBrowse::ShowGotoRecord(*file, db.Header()), 2);
    EXPECT_EQ(shown, (std::vector<std::vector<std::string>>{{"1", "one"}}));

    WhenModalOpens([](QWidget* modal) { // Escape picks nothing, though a row is selected
        QTest::keyClick(modal->findChild<BrowseGrid*>(), Qt::Key_Down);
        QTest::keyClick(modal->findChild<BrowseGrid*>(), Qt::Key_Escape);
    });
    EXPECT_EQ(modBrowse::ShowBrowse(*file, {3}), 0);
}

} // namespace
} // namespace tabulo
