#pragma once
// frmBrowse: the modal "Select" window that lists every record of a database file, one
// row per record, and hands back the record the user picks. It reads the header and the
// cells straight from the file it is given and never writes to it.

#include "browse/BrowseTable.h"

#include <QAbstractSlider>
#include <QDialog>
#include <cstdint>
#include <vector>

class QScrollBar;

namespace tabulo {

class BrowseGrid;

class frmBrowse : public QDialog {
    Q_OBJECT
public:
    // fieldNos: the field shown in data column 1, 2, ...
    frmBrowse(const DbFile& file, std::vector<int> fieldNos, QWidget* parent = nullptr);

    // The record picked by double-click or Enter; 0 when the window closed without a pick.
    int32_t BrowseResult() const { return result_; }
    long TopRow() const { return topRow_; }
    int FirstCol() const { return firstCol_; }

    // A click on a column header: data columns sort ascending, 0 ("RECNO") gives back the
    // record order.
    void ColumnHeaderClick(int col);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetUpGrid();
    void SetUpScrollBars();
    void LayoutCols();
    void FillRows();
    void Pick(int32_t recNo);
    void ScrollFromKeys(Qt::Orientation orientation, QAbstractSlider::SliderAction action);

    BrowseTable table_;
    BrowseGrid* grid_;
    QScrollBar* hsBar_;
    QScrollBar* vsBar_;
    QWidget* filler_;
    long topRow_ = 1;
    int firstCol_ = 1;
    int32_t result_ = 0;
};

} // namespace tabulo
