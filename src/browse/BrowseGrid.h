#pragma once
// The painted part of the browse window: a header row ("RECNO" and one caption per data
// column) over one list per column. Every column is drawn with a one-pixel border, and
// neighbouring columns overlap by one pixel so that their borders coincide. The grid
// holds only the rows that fit; scrolling is the window's business, which the keys ask for
// when they move past the rows shown. Screen readers see it as a table (BrowseGridAccessible).

#include <QAbstractSlider>
#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <cassert>
#include <cstdint>
#include <string>
#include <vector>

namespace tabulo {

struct GridColumn {
    QString caption;
    int width = 0; // pixels, the field's width on the data-entry window
};

struct GridRow {
    int32_t recNo = 0;
    std::vector<std::string> cells; // Windows-1252, one per data column
};

class BrowseGrid : public QWidget {
    Q_OBJECT
public:
    explicit BrowseGrid(QWidget* parent = nullptr);

    void SetLook(const QFont& font, QColor fore, QColor back);
    void SetColumns(std::vector<GridColumn> columns);
    void SetFirstCol(int firstCol);
    void SetRows(std::vector<GridRow> rows); // no row selected afterwards
    void SetInvertedHeader(int col);         // -1: none
    int InvertedHeader() const { return inverted_; }

    int ColCount() const { return static_cast<int>(columns_.size()); }
    int RecnoWidth() const;
    int HeaderHeight() const;
    int RowHeight() const;
    // Height of a list's inside, where its rows go.
    int ListInnerHeight() const;
    // Left edge of data column col, or -1 while it is scrolled out at the left.
    int ColumnLeft(int col) const;
    int ColumnWidth(int col) const {
        assert(col >= 1 && col <= ColCount() && "grid column out of range");
        return columns_[col - 1].width;
    }
    // Data columns from the first shown whose right border lies within the grid.
    int FittingColumns() const;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const GridRow& Row(int row) const {
        assert(row >= 0 && row < RowCount() && "grid row out of range");
        return rows_[row];
    }
    int SelectedRow() const { return selected_; } // -1: none
    void SelectRow(int row);                      // -1 or beyond the rows shown: none
    // Header caption of a column; 0 is "RECNO".
    QString ColumnCaption(int col) const;
    // What a click on a column's header does, for callers without a mouse.
    void ClickHeader(int col) { emit HeaderClicked(col); }
    // Where row index row (0 = first shown) is drawn, in grid coordinates.
    QRect RowRect(int row) const;
    QRect HeaderRect(int col) const; // col 0: "RECNO"

signals:
    void HeaderClicked(int col);
    void Picked(int32_t recNo);
    void Cancelled();
    // The keys went past the rows or columns shown: the window moves its scroll bar.
    void ScrollRequested(Qt::Orientation orientation, QAbstractSlider::SliderAction action);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PaintColumn(QPainter& p, int left, int width, int col, const QString& caption) const;
    int HeaderAt(QPoint pos) const;
    int RowAt(QPoint pos) const;
    int ColumnsRight() const;
    void MovePastEdge(QAbstractSlider::SliderAction action, bool toLast);
    void AnnounceSelection();

    QColor fore_ = Qt::black;
    QColor back_ = Qt::white;
    std::vector<GridColumn> columns_;
    std::vector<GridRow> rows_;
    int firstCol_ = 1;
    int selected_ = -1;
    int inverted_ = -1;
    int pressedHeader_ = -1;
};

} // namespace tabulo
