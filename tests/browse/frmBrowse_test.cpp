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

TEST_F(BrowseWindowTest, OpensWithTheCaptionAndTheFieldsFontAndWidths) {
    auto w = Open({120, 80}, 5);
    EXPECT_EQ(w->windowTitle(), "Select");
    EXPECT_EQ(Grid(*w).font().family(), "Liberation Sans");
    EXPECT_EQ(Grid(*w).font().pointSize(), 10);
    EXPECT_EQ(Grid(*w).ColumnWidth(1), 120);
    // Neighbouring columns share their border pixel.
    EXPECT_EQ(Grid(*w).ColumnLeft(1), Grid(*w).RecnoWidth() - 1);
    EXPECT_EQ(Grid(*w).ColumnLeft(2), Grid(*w).ColumnLeft(1) + 119);
    EXPECT_EQ(Grid(*w).Row(0).cells, (std::vector<std::string>{"1-1", "1-2"}));
}

TEST_F(BrowseWindowTest, ColumnsWiderThanTheWindowEnableTheHorizontalBar) {
    auto w = Open({120, 120, 120, 120, 120}, 5);
    BrowseGrid& g = Grid(*w);
    QScrollBar& bar = Bar(*w, "HSBar");
    EXPECT_TRUE(bar.isEnabled());
    EXPECT_EQ(bar.minimum(), 1);
    EXPECT_EQ(bar.maximum(), 5);
    EXPECT_EQ(bar.pageStep(), 2);
    // The third column is shown cut off at the edge; the fourth lies beyond it.
    EXPECT_LT(g.ColumnLeft(3), g.width());
    EXPECT_GT(g.ColumnLeft(3) + g.ColumnWidth(3), g.width());
    EXPECT_GE(g.ColumnLeft(4), g.width());

    bar.setValue(4);
    EXPECT_EQ(w->FirstCol(), 4);
    EXPECT_EQ(g.ColumnLeft(3), -1);
    EXPECT_EQ(g.ColumnLeft(4), g.RecnoWidth() - 1);
    EXPECT_EQ(bar.pageStep(), 2);
    EXPECT_TRUE(bar.isEnabled());
}

TEST_F(BrowseWindowTest, EverythingFittingDisablesBothBars) {
    auto w = Open({80, 80}, 3);
    EXPECT_FALSE(Bar(*w, "HSBar").isEnabled());
    EXPECT_EQ(Bar(*w, "HSBar").pageStep(), 2);
    EXPECT_FALSE(Bar(*w, "VSBar").isEnabled());
    EXPECT_EQ(ShownRecords(*w), (std::vector<int32_t>{1, 2, 3}));
}

TEST_F(BrowseWindowTest, OnlyTheRowsThatFitAreFilledAndTheBarPagesByAllButOne) {
    auto w = Open({80}, 65530);
    BrowseGrid& g = Grid(*w);
    QScrollBar& bar = Bar(*w, "VSBar");
    EXPECT_TRUE(bar.isEnabled());
    EXPECT_EQ(bar.minimum(), 1);
    EXPECT_EQ(bar.maximum(), 65530);
    ASSERT_GT(g.RowCount(), 2);
    EXPECT_LE(g.RowRect(g.RowCount() - 1).bottom(), g.height());
    EXPECT_GT(g.RowRect(g.RowCount()).bottom(), g.height() - 2); // no room for one more
    EXPECT_EQ(bar.pageStep(), g.RowCount() - 1);

    QTest::mouseClick(&g, Qt::LeftButton, {}, RowPoint(*w, 1, 1));
    bar.setValue(65529);
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

TEST_F(BrowseWindowTest, DoubleClickBelowTheRowsPicksNothingAndEscapeClosesWithoutAPick) {
    auto w = Open({80}, 2);
    QTest::mouseDClick(&Grid(*w), Qt::LeftButton, {}, RowPoint(*w, 5, 1));
    EXPECT_TRUE(w->isVisible());
    QTest::keyClick(&Grid(*w), Qt::Key_Down);
    QTest::keyClick(&Grid(*w), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->BrowseResult(), 0);
}

TEST_F(BrowseWindowTest, DoubleClickOnAnyColumnPicksThatRowsRecord) {
    for (int col : {0, 2}) {
        auto w = Open({80, 80}, 100);
        Bar(*w, "VSBar").setValue(20);
        QTest::mouseDClick(&Grid(*w), Qt::LeftButton, {}, RowPoint(*w, 2, col));
        EXPECT_EQ(w->BrowseResult(), 22) << "column " << col;
    }
}

TEST_F(BrowseWindowTest, HeaderClicksSortAndRecnoRestoresTheFileOrder) {
    TestDb db = NewDb();
    AddColumn(db, "NAME", 8, "A", 80);
    AddColumn(db, "AMOUNT", 8, "N", 80);
    db.AddRecord({"pear", "10"}).AddRecord({"apple", "9"});
    db.AddDeletedRecord({"fig", "abc"}).AddRecord({"kiwi", ""});
    auto w = OpenDb(db);
    BrowseGrid& g = Grid(*w);
    QTest::mouseClick(&g, Qt::LeftButton, {}, g.HeaderRect(1).center());
    EXPECT_EQ(ShownRecords(*w), (std::vector<int32_t>{2, 3, 4, 1}));
    QTest::mouseClick(&g, Qt::LeftButton, {}, g.HeaderRect(2).center());
    EXPECT_EQ(ShownRecords(*w), (std::vector<int32_t>{3, 4, 2, 1}));
    EXPECT_EQ(g.SelectedRow(), -1);
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(&g, Qt::LeftButton, {}, g.HeaderRect(0).center());
    EXPECT_EQ(ShownRecords(*w), (std::vector<int32_t>{1, 2, 3, 4}));
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

TEST_F(BrowseWindowTest, SortingKeepsTheTopRow) {
    auto w = Open({80}, 30);
    Bar(*w, "VSBar").setValue(3);
    w->ColumnHeaderClick(1); // texts "1-1", "10-1", "11-1", ...
    EXPECT_EQ(w->TopRow(), 3);
    EXPECT_EQ(Grid(*w).Row(0).recNo, 11);
}

TEST_F(BrowseWindowTest, TheWindowDoesNotShrinkBelowAHundredPixels) {
    auto w = Open({80}, 10);
    w->resize(40, 60);
    EXPECT_EQ(w->size(), QSize(100, 100));
    w->resize(300, 50);
    EXPECT_EQ(w->size(), QSize(300, 100));
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

    WhenModalOpens(
        [](QWidget* modal) { QTest::keyClick(modal->findChild<BrowseGrid*>(), Qt::Key_Escape); });
    EXPECT_EQ(modBrowse::ShowBrowse(*file, {3}), 0);
}

} // namespace
} // namespace tabulo
