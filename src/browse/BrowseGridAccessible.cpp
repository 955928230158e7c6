#include "browse/BrowseGridAccessible.h"

#include "browse/BrowseGrid.h"
#include "dialogs/AccessibleFactory.h"
#include "dialogs/QtText.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace tabulo {

namespace {

// Table column 0 is "RECNO", columns 1.. the grid's data columns. Children are numbered
// as Qt's item views number them: the header row first, then the cells row by row.
int TableColumns(const BrowseGrid& grid) {
    return grid.ColCount() + 1;
}

// Where a cell is drawn, in grid coordinates; empty while its column is scrolled out.
QRect CellRect(const BrowseGrid& grid, int row, int col) {
    const int left = col == 0 ? 0 : grid.ColumnLeft(col);
    if (left < 0) return {};
    const int width = col == 0 ? grid.RecnoWidth() : grid.ColumnWidth(col);
    if (row < 0) return {left, 0, width, grid.HeaderHeight()};
    return {left, grid.RowRect(row).top(), width, grid.RowHeight()};
}

// One cell, or with row -1 one column header. Cells read the grid when asked, so they are
// never stale; one that scrolling has taken away reports itself invalid.
class GridCell : public QAccessibleInterface,
                 public QAccessibleTableCellInterface,
                 public QAccessibleActionInterface {
public:
    GridCell(BrowseGrid* grid, int row, int col) : grid_(grid), row_(row), col_(col) {}

    bool isValid() const override {
        return grid_ && row_ < grid_->RowCount() && col_ < TableColumns(*grid_);
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) return {};
        if (row_ < 0) return grid_->ColumnCaption(col_);
        const GridRow& row = grid_->Row(row_);
        return col_ == 0 ? QString::number(row.recNo) : ToQString(row.cells.at(col_ - 1));
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect local = CellRect(*grid_, row_, col_);
        return local.isNull() ? QRect() : QRect(grid_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override {
        return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) return state;
        const QRect local = CellRect(*grid_, row_, col_);
        state.invisible = local.isNull();
        state.offscreen = local.isNull() || local.left() >= grid_->width();
        if (row_ >= 0) {
            state.selectable = true;
            state.selected = isSelected();
            state.focusable = true;
            state.focused = isSelected() && col_ == 0 && grid_->hasFocus();
        }
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // A header sorts by its column; a cell selects its row.
    QStringList actionNames() const override {
        return {row_ < 0 ? pressAction() : setFocusAction()};
    }
    void doAction(const QString& name) override {
        if (!isValid()) return;
        if (row_ < 0 && name == pressAction()) grid_->ClickHeader(col_);
        if (row_ >= 0 && name == setFocusAction()) grid_->SelectRow(row_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    bool isSelected() const override {
        return isValid() && row_ >= 0 && grid_->SelectedRow() == row_;
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return col_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return grid_ ? QAccessible::queryAccessibleInterface(grid_.data()) : nullptr;
    }

private:
    QPointer<BrowseGrid> grid_;
    int row_, col_;
};

class BrowseGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BrowseGridAccessible(BrowseGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~BrowseGridAccessible() override {
        for (QAccessible::Id id : std::as_const(cells_))
            QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Children: the headers, then the cells row by row.
    int childCount() const override { return (rowCount() + 1) * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        return Cell(index / columnCount() - 1, index % columnCount());
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QAccessibleTableCellInterface* cell =
            child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
        if (!cell) return -1;
        return (cell->rowIndex() + 1) * columnCount() + cell->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = Grid().mapFromGlobal(QPoint(x, y));
        for (int row = -1; row < rowCount(); ++row)
            for (int col = 0; col < columnCount(); ++col)
                if (CellRect(Grid(), row, col).contains(at)) return Cell(row, col);
        return nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
        return Cell(row, column);
    }
    QString columnDescription(int column) const override {
        return column >= 0 && column < columnCount() ? Grid().ColumnCaption(column) : QString();
    }
    QString rowDescription(int row) const override {
        return row >= 0 && row < rowCount() ? QString::number(Grid().Row(row).recNo) : QString();
    }
    int columnCount() const override { return TableColumns(Grid()); }
    int rowCount() const override { return Grid().RowCount(); }

    // The selection is one whole row.
    int selectedCellCount() const override { return selectedRowCount() * columnCount(); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (int row : selectedRows())
            for (int col = 0; col < columnCount(); ++col)
                cells << Cell(row, col);
        return cells;
    }
    int selectedRowCount() const override { return Grid().SelectedRow() >= 0 ? 1 : 0; }
    QList<int> selectedRows() const override {
        return Grid().SelectedRow() >= 0 ? QList<int>{Grid().SelectedRow()} : QList<int>{};
    }
    bool isRowSelected(int row) const override { return row >= 0 && Grid().SelectedRow() == row; }
    bool selectRow(int row) override {
        if (row < 0 || row >= rowCount()) return false;
        Grid().SelectRow(row);
        return true;
    }
    bool unselectRow(int row) override {
        if (!isRowSelected(row)) return false;
        Grid().SelectRow(-1);
        return true;
    }
    int selectedColumnCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    QAccessibleInterface* Cell(int row, int col) const {
        const quint64 key = (quint64(quint32(row + 1)) << 32) | quint32(col);
        auto found = cells_.constFind(key);
        if (found != cells_.constEnd()) return QAccessible::accessibleInterface(*found);
        auto* cell = new GridCell(&Grid(), row, col);
        cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }

private:
    BrowseGrid& Grid() const { return *static_cast<BrowseGrid*>(widget()); }

    mutable QHash<quint64, QAccessible::Id> cells_;
};

QList<QAccessibleInterface*> GridCell::columnHeaderCells() const {
    auto* table = static_cast<BrowseGridAccessible*>(this->table());
    if (!table || row_ < 0) return {};
    return {table->Cell(-1, col_)};
}

} // namespace

void InstallBrowseGridAccessibility() {
    InstallAccessibleFactory<BrowseGrid, BrowseGridAccessible>();
}

void AnnounceRowsChanged(BrowseGrid* grid) {
    QAccessibleTableModelChangeEvent event(grid, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

void AnnounceCurrentCell(BrowseGrid* grid, int row, int col) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    if (!table || !table->tableInterface()) return;
    const int index = (row + 1) * (grid->ColCount() + 1) + col;
    QAccessibleEvent selection(grid, QAccessible::Selection);
    selection.setChild(index);
    QAccessible::updateAccessibility(&selection);
    if (!grid->hasFocus()) return;
    QAccessibleEvent focus(grid, QAccessible::Focus);
    focus.setChild(index);
    QAccessible::updateAccessibility(&focus);
}

} // namespace tabulo
