// The browse window without a mouse: the keys scroll past the rows shown, and a screen
// reader sees the grid as a table of headers and cells through Qt's accessibility.

#include "BrowseWindowFixture.h"

#include <QAccessible>
#include <QTest>

namespace tabulo {
namespace {

using Keys = std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>;

std::pair<Qt::Key, Qt::KeyboardModifiers> Key(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
    return {key, mods};
}

// 100 records; each case starts with record 1 at the top and no row selected. The top row
// expected is 1 + pages x the page + lines, or the top of the last full page.
TEST_F(BrowseWindowTest, KeysScrollPastTheRowsShownAndStopAtTheEnds) {
    struct Case {
        const char* what;
        Keys keys;
        int pages, lines;
        bool lastPage;
        bool lastRowSelected; // else the first row shown
    };
    const auto CtrlEnd = Key(Qt::Key_End, Qt::ControlModifier), Home = Key(Qt::Key_Home);
    const Case cases[] = {
        {"Page Down to the last row", {Key(Qt::Key_PageDown)}, 0, 0, false, true},
        {"Down past it", {Key(Qt::Key_PageDown), Key(Qt::Key_Down)}, 0, 1, false, true},
        {"a page past it", {Key(Qt::Key_PageDown), Key(Qt::Key_PageDown)}, 1, 0, false, true},
        {"Up at the first record", {Key(Qt::Key_Up), Key(Qt::Key_Up)}, 0, 0, false, false},
        {"Page Up at the first record", {Key(Qt::Key_PageUp)}, 0, 0, false, false},
        {"Ctrl+End", {CtrlEnd}, 0, 0, true, true},
        {"Down at the last record", {CtrlEnd, Key(Qt::Key_Down)}, 0, 0, true, true},
        {"Up from the last page", {CtrlEnd, Home, Key(Qt::Key_Up)}, 0, -1, true, false},
        {"Ctrl+Home", {CtrlEnd, Key(Qt::Key_Home, Qt::ControlModifier)}, 0, 0, false, false},
    };
    for (const Case& c : cases) {
        auto w = Open({80}, 100);
        BrowseGrid& g = Grid(*w);
        const long page = Bar(*w, "VSBar").pageStep();
        for (auto [key, mods] : c.keys)
            QTest::keyClick(&g, key, mods);
        const long top = (c.lastPage ? 100 - page : 1 + c.pages * page) + c.lines;
        EXPECT_EQ(w->TopRow(), top) << c.what;
        EXPECT_EQ(g.Row(0).recNo, top) << c.what;
        EXPECT_EQ(g.SelectedRow(), c.lastRowSelected ? g.RowCount() - 1 : 0) << c.what;
    }
}

QAccessibleInterface* TableOf(frmBrowse& w) {
    return QAccessible::queryAccessibleInterface(w.findChild<BrowseGrid*>());
}

TEST_F(BrowseWindowTest, AScreenReaderSeesATableOfHeadersAndCells) {
    auto w = Open({80, 300, 300}, 100);
    QAccessibleInterface* table = TableOf(*w);
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    QAccessibleTableInterface& t = *table->tableInterface();
    const int rows = Grid(*w).RowCount();
    EXPECT_EQ(std::tuple(table->role(), table->text(QAccessible::Name),
                         table->text(QAccessible::Description), t.rowCount(), t.columnCount(),
                         table->childCount()),
              std::tuple(QAccessible::Table, QString("Records"),
                         QString("rows 1 to %1 of 100").arg(rows), rows, 4, (rows + 1) * 4));

    const struct {
        int row, col;
        const char* text;
        const char* header;
    } cells[] = {
        {0, 0, "1", "RECNO"}, {0, 1, "1-1", "F1"}, {4, 2, "5-2", "F2"}, {2, 3, "3-3", "F3"}};
    for (const auto& c : cells) {
        QAccessibleInterface* cell = t.cellAt(c.row, c.col);
        ASSERT_NE(cell, nullptr) << c.text;
        const auto headers = cell->tableCellInterface()->columnHeaderCells();
        ASSERT_EQ(headers.size(), 1) << c.text;
        const int index = (c.row + 1) * 4 + c.col; // after the header row
        EXPECT_EQ(std::tuple(cell->role(), cell->text(QAccessible::Name), headers[0]->role(),
                             headers[0]->text(QAccessible::Name), t.columnDescription(c.col),
                             table->indexOfChild(cell), table->child(index)),
                  std::tuple(QAccessible::Cell, QString(c.text), QAccessible::ColumnHeader,
                             QString(c.header), QString(c.header), index, cell));
    }
    EXPECT_EQ(t.rowDescription(3), "4");
    // The third data column lies beyond the window's right edge.
    EXPECT_TRUE(t.cellAt(0, 3)->state().offscreen);
    EXPECT_FALSE(t.cellAt(0, 1)->state().offscreen);
    EXPECT_EQ(t.cellAt(rows, 0), nullptr);

    // Scrolling replaces the rows: the same cells now read the rows shown.
    Bar(*w, "VSBar").setValue(41);
    EXPECT_EQ(t.cellAt(0, 1)->text(QAccessible::Name), "41-1");
    EXPECT_TRUE(table->text(QAccessible::Description).startsWith("rows 41 to "));
}

TEST_F(BrowseWindowTest, TheSelectedRowShowsInTheTable) {
    auto w = Open({80, 80}, 20);
    QAccessibleTableInterface& t = *TableOf(*w)->tableInterface();
    EXPECT_EQ(t.selectedRowCount(), 0);
    QTest::keyClick(&Grid(*w), Qt::Key_Down);
    QTest::keyClick(&Grid(*w), Qt::Key_Down);
    EXPECT_TRUE(t.isRowSelected(1));
    EXPECT_EQ(t.selectedRows(), QList<int>{1});
    EXPECT_EQ(t.selectedCellCount(), 3);
    EXPECT_TRUE(t.cellAt(1, 2)->state().selected);
    EXPECT_FALSE(t.cellAt(0, 2)->state().selected);
    EXPECT_EQ(TableOf(*w)->indexOfChild(t.cellAt(1, 0)), 2 * 3); // the child the announcement names

    // A screen reader can select a row and sort by a header itself.
    EXPECT_TRUE(t.selectRow(4));
    EXPECT_EQ(Grid(*w).SelectedRow(), 4);
    QAccessibleInterface* header = t.cellAt(0, 1)->tableCellInterface()->columnHeaderCells()[0];
    header->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Grid(*w).Row(0).recNo, 1); // "1-1", "10-1", "11-1", ...
    EXPECT_EQ(Grid(*w).Row(1).recNo, 10);
}

} // namespace
} // namespace tabulo
