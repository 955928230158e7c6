#include "browse/BrowseGrid.h"

#include "browse/BrowseGridAccessible.h"
#include "dialogs/QtText.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace tabulo {

namespace {

constexpr int kBorder = 1;
constexpr int kPadding = 2; // between a border and the text
const QString kRecnoCaption = QStringLiteral("RECNO");

} // namespace

BrowseGrid::BrowseGrid(QWidget* parent) : QWidget(parent) {
    InstallBrowseGridAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Records"));
}

void BrowseGrid::SetLook(const QFont& font, QColor fore, QColor back) {
    setFont(font);
    fore_ = fore;
    back_ = back;
    update();
}

void BrowseGrid::SetColumns(std::vector<GridColumn> columns) {
    columns_ = std::move(columns);
    update();
}

void BrowseGrid::SetFirstCol(int firstCol) {
    firstCol_ = firstCol;
    update();
}

void BrowseGrid::SetRows(std::vector<GridRow> rows) {
    rows_ = std::move(rows);
    selected_ = -1;
    update();
    AnnounceRowsChanged(this);
}

void BrowseGrid::SetInvertedHeader(int col) {
    inverted_ = col;
    update();
}

QString BrowseGrid::ColumnCaption(int col) const {
    return col == 0 ? kRecnoCaption : columns_.at(col - 1).caption;
}

int BrowseGrid::RecnoWidth() const {
    return fontMetrics().horizontalAdvance(kRecnoCaption) + 2 * (kBorder + kPadding);
}

int BrowseGrid::HeaderHeight() const {
    return fontMetrics().height() + 2 * kBorder;
}

int BrowseGrid::RowHeight() const {
    return fontMetrics().height();
}

int BrowseGrid::ListInnerHeight() const {
    return height() - HeaderHeight() - 2 * kBorder;
}

int BrowseGrid::ColumnLeft(int col) const {
    if (col < firstCol_) return -1;
    int x = RecnoWidth() - 1;
    for (int k = firstCol_; k < col; ++k)
        x += ColumnWidth(k) - 1;
    return x;
}

int BrowseGrid::FittingColumns() const {
    int x = RecnoWidth() - 1;
    int fitting = 0;
    for (int k = firstCol_; k <= ColCount(); ++k) {
        x += ColumnWidth(k) - 1; // the column's right border
        if (x > width()) break;
        ++fitting;
    }
    return fitting;
}

int BrowseGrid::ColumnsRight() const {
    return ColCount() >= firstCol_ ? ColumnLeft(ColCount()) + ColumnWidth(ColCount())
                                   : RecnoWidth();
}

QRect BrowseGrid::RowRect(int row) const {
    return {kBorder, HeaderHeight() + kBorder + row * RowHeight(), ColumnsRight() - 2 * kBorder,
            RowHeight()};
}

QRect BrowseGrid::HeaderRect(int col) const {
    if (col == 0) return {0, 0, RecnoWidth(), HeaderHeight()};
    return {ColumnLeft(col), 0, ColumnWidth(col), HeaderHeight()};
}

void BrowseGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    PaintColumn(p, 0, RecnoWidth(), 0, kRecnoCaption);
    for (int k = firstCol_; k <= ColCount(); ++k) {
        const int left = ColumnLeft(k);
        if (left >= width()) break;
        PaintColumn(p, left, ColumnWidth(k), k, columns_[k - 1].caption);
    }
}

// One column: its header label, then its list with the rows that fit.
void BrowseGrid::PaintColumn(QPainter& p, int left, int width, int col,
                             const QString& caption) const {
    const bool inverted = col == inverted_;
    const QRect header(left, 0, width, HeaderHeight());
    p.fillRect(header, inverted ? fore_ : back_);
    p.setPen(inverted ? back_ : fore_);
    p.drawText(header.adjusted(kBorder + kPadding, kBorder, -kBorder, -kBorder),
               Qt::AlignLeft | Qt::AlignVCenter, caption);
    p.setPen(fore_);
    p.drawRect(header.adjusted(0, 0, -1, -1));

    const QRect list(left, HeaderHeight(), width, height() - HeaderHeight());
    p.fillRect(list, back_);
    for (int r = 0; r < RowCount(); ++r) {
        const QRect cell(left + kBorder, RowRect(r).top(), width - 2 * kBorder, RowHeight());
        const bool selected = r == selected_;
        if (selected) p.fillRect(cell, palette().highlight());
        p.setPen(selected ? palette().highlightedText().color() : fore_);
        const GridRow& row = rows_[r];
        const QString text = col == 0 ? QString::number(row.recNo) : ToQString(row.cells[col - 1]);
        p.drawText(cell.adjusted(kPadding, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    p.setPen(fore_);
    p.drawRect(list.adjusted(0, 0, -1, -1));
}

int BrowseGrid::HeaderAt(QPoint pos) const {
    if (pos.y() < 0 || pos.y() >= HeaderHeight()) return -1;
    if (pos.x() >= 0 && pos.x() < RecnoWidth()) return 0;
    for (int k = firstCol_; k <= ColCount(); ++k)
        if (HeaderRect(k).contains(pos)) return k;
    return -1;
}

int BrowseGrid::RowAt(QPoint pos) const {
    if (pos.x() < 0 || pos.x() >= ColumnsRight()) return -1;
    const int top = HeaderHeight() + kBorder;
    if (pos.y() < top) return -1;
    const int row = (pos.y() - top) / RowHeight();
    return row < RowCount() ? row : -1;
}

void BrowseGrid::SelectRow(int row) {
    const int selected = row >= 0 && row < RowCount() ? row : -1;
    if (selected == selected_) return;
    selected_ = selected;
    update();
    AnnounceSelection();
}

// The selected row's record number cell becomes the current cell of the table.
void BrowseGrid::AnnounceSelection() {
    if (selected_ >= 0) AnnounceCurrentCell(this, selected_, 0);
}

// Asks the window to scroll, then selects the first or last row of what it shows
// afterwards; at either end of the list the rows stay as they are.
void BrowseGrid::MovePastEdge(QAbstractSlider::SliderAction action, bool toLast) {
    emit ScrollRequested(Qt::Vertical, action);
    SelectRow(toLast ? RowCount() - 1 : 0);
}

void BrowseGrid::mousePressEvent(QMouseEvent* event) {
    setFocus();
    if (event->button() != Qt::LeftButton) return;
    pressedHeader_ = HeaderAt(event->position().toPoint());
    const int row = RowAt(event->position().toPoint());
    if (row >= 0) SelectRow(row);
}

void BrowseGrid::mouseReleaseEvent(QMouseEvent* event) {
    const int header = pressedHeader_;
    pressedHeader_ = -1;
    if (header >= 0 && header == HeaderAt(event->position().toPoint())) emit HeaderClicked(header);
}

void BrowseGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const int row = RowAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && row >= 0) {
        SelectRow(row);
        emit Picked(rows_[row].recNo);
    }
}

// Up, Down, Home, End and the page keys move within the rows shown, as in a list box; Up
// and Down past the first or last row shown, and a page key on it, scroll the list, and Ctrl
// with Home or End goes to the first or last page. Left and Right scroll the columns.
void BrowseGrid::keyPressEvent(QKeyEvent* event) {
    using A = QAbstractSlider::SliderAction;
    const int last = RowCount() - 1;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Up:
        if (selected_ > 0)
            SelectRow(selected_ - 1);
        else
            MovePastEdge(A::SliderSingleStepSub, false);
        break;
    case Qt::Key_Down:
        if (selected_ < last)
            SelectRow(selected_ + 1);
        else
            MovePastEdge(A::SliderSingleStepAdd, true);
        break;
    case Qt::Key_PageUp:
        if (selected_ > 0)
            SelectRow(0);
        else
            MovePastEdge(A::SliderPageStepSub, false);
        break;
    case Qt::Key_PageDown:
        if (selected_ < last)
            SelectRow(last);
        else
            MovePastEdge(A::SliderPageStepAdd, true);
        break;
    case Qt::Key_Home:
        if (ctrl)
            MovePastEdge(A::SliderToMinimum, false);
        else
            SelectRow(0);
        break;
    case Qt::Key_End:
        if (ctrl)
            MovePastEdge(A::SliderToMaximum, true);
        else
            SelectRow(last);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        emit ScrollRequested(Qt::Horizontal, event->key() == Qt::Key_Left ? A::SliderSingleStepSub
                                                                          : A::SliderSingleStepAdd);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (selected_ >= 0) emit Picked(rows_[selected_].recNo);
        break;
    case Qt::Key_Escape:
        emit Cancelled();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace tabulo
