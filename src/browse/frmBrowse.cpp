#include "browse/frmBrowse.h"

#include "browse/BrowseGrid.h"
#include "dialogs/QtText.h"
#include "dialogs/Twips.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

namespace tabulo {

namespace {

// The client area when the window opens.
constexpr QSize kStartSizeTwips(5745, 4680);
// The window never gets smaller than this, in pixels.
constexpr int kMinSide = 100;

// Colours in the file are red + 256 * green + 65536 * blue.
QColor FromFileColor(int32_t color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QFont ToQFont(const DBFont& f) {
    QFont font(ToQString(TrimSpaces(f.Name)));
    if (f.Size > 0) font.setPointSize(f.Size);
    font.setBold(f.Bold != 0);
    font.setItalic(f.Italic != 0);
    return font;
}

} // namespace

frmBrowse::frmBrowse(const DbFile& file, std::vector<int> fieldNos, QWidget* parent)
    : QDialog(parent), table_(file, std::move(fieldNos)), grid_(new BrowseGrid(this)),
      hsBar_(new QScrollBar(Qt::Horizontal, this)), vsBar_(new QScrollBar(Qt::Vertical, this)),
      filler_(new QWidget(this)) {
    setWindowTitle(QStringLiteral("Select"));
    setMinimumSize(kMinSide, kMinSide);
    resize(Twips::FromScreen(screen()).ToPixels(kStartSizeTwips));
    filler_->setAutoFillBackground(true);
    SetUpGrid();
    SetUpScrollBars();
    grid_->installEventFilter(this);
    grid_->setFocus();
}

void frmBrowse::SetUpGrid() {
    const DBFont& fieldFont = table_.Header().Window.FieldFont;
    setFont(ToQFont(fieldFont));
    grid_->SetLook(font(), FromFileColor(fieldFont.ForeColor), FromFileColor(fieldFont.BackColor));
    std::vector<GridColumn> columns;
    for (int col = 1; col <= table_.ColCount(); ++col) {
        const DBField& field = table_.ColField(col);
        columns.push_back({ToQString(TrimSpaces(field.Name)), std::max<int>(field.Width, 1)});
    }
    grid_->SetColumns(std::move(columns));
    connect(grid_, &BrowseGrid::HeaderClicked, this, &frmBrowse::ColumnHeaderClick);
    connect(grid_, &BrowseGrid::Picked, this, &frmBrowse::Pick);
    connect(grid_, &BrowseGrid::Cancelled, this, &QDialog::reject);
    connect(grid_, &BrowseGrid::ScrollRequested, this, &frmBrowse::ScrollFromKeys);
}

void frmBrowse::SetUpScrollBars() {
    hsBar_->setObjectName(QStringLiteral("HSBar"));
    vsBar_->setObjectName(QStringLiteral("VSBar"));
    hsBar_->setRange(1, std::max(table_.ColCount(), 1));
    vsBar_->setRange(1, static_cast<int>(std::max(table_.RecordCount(), 1L)));
    for (QScrollBar* bar : {hsBar_, vsBar_}) {
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setFocusPolicy(Qt::NoFocus); // the grid alone keeps the keyboard focus
    }
    connect(hsBar_, &QScrollBar::valueChanged, this, [this](int value) {
        firstCol_ = value;
        LayoutCols();
    });
    connect(vsBar_, &QScrollBar::valueChanged, this, [this](int value) {
        topRow_ = value;
        FillRows();
    });
}

void frmBrowse::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int barWidth = vsBar_->sizeHint().width();
    const int barHeight = hsBar_->sizeHint().height();
    const int w = width();
    const int h = height();
    hsBar_->setGeometry(0, h - barHeight, w - barWidth, barHeight);
    vsBar_->setGeometry(w - barWidth, 0, barWidth, h - barHeight);
    filler_->setGeometry(w - barWidth, h - barHeight, barWidth, barHeight);
    grid_->setGeometry(0, 0, w - barWidth, h - barHeight);
    LayoutCols();
    FillRows();
}

// The wheel over the grid scrolls the rows, as the vertical bar would.
bool frmBrowse::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(vsBar_, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// Places the data columns from FirstCol on; the horizontal bar pages by the number of
// columns that fit whole and is idle when all of them fit.
void frmBrowse::LayoutCols() {
    grid_->SetFirstCol(firstCol_);
    const int fitting = grid_->FittingColumns();
    hsBar_->setPageStep(std::max(fitting, 1));
    hsBar_->setEnabled(fitting < table_.ColCount());
}

// Reads the rows from TopRow on that fit into the lists. A row is counted as shown while
// a further whole row would still fit below it, so a page down keeps the last row in view.
void frmBrowse::FillRows() {
    const int rowHeight = grid_->RowHeight();
    const int listHeight = grid_->ListInnerHeight();
    std::vector<GridRow> rows;
    int y = 0;
    long shown = 0;
    for (long row = topRow_; row <= table_.RecordCount(); ++row) {
        rows.push_back({table_.RowRec(row), table_.RowCells(row)});
        y += rowHeight;
        if (y > listHeight - rowHeight) break;
        ++shown;
    }
    grid_->setAccessibleDescription(QStringLiteral("rows %1 to %2 of %3")
                                        .arg(topRow_)
                                        .arg(topRow_ + static_cast<long>(rows.size()) - 1)
                                        .arg(table_.RecordCount()));
    grid_->SetRows(std::move(rows));
    vsBar_->setPageStep(static_cast<int>(std::max(shown, 1L)));
    vsBar_->setEnabled(shown < table_.RecordCount());
}

// The keys scroll the rows only while there are rows beyond the edge they went past, and
// the last page they reach is a full one.
void frmBrowse::ScrollFromKeys(Qt::Orientation orientation, QAbstractSlider::SliderAction action) {
    if (orientation == Qt::Horizontal) {
        hsBar_->triggerAction(action);
        return;
    }
    const long records = table_.RecordCount();
    const long lastShown = topRow_ + grid_->RowCount() - 1;
    const long page = vsBar_->pageStep();
    long top = topRow_;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        if (lastShown < records) top += 1;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        if (lastShown < records) top += page;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        top -= 1;
        break;
    case QAbstractSlider::SliderPageStepSub:
        top -= page;
        break;
    case QAbstractSlider::SliderToMinimum:
        top = 1;
        break;
    case QAbstractSlider::SliderToMaximum:
        top = records - page;
        break;
    default:
        return;
    }
    vsBar_->setValue(static_cast<int>(std::clamp(top, 1L, std::max(records, 1L))));
}

void frmBrowse::ColumnHeaderClick(int col) {
    if (col > 0) {
        setCursor(Qt::WaitCursor);
        grid_->SetInvertedHeader(col);
        // Paints the inverted header before the sort holds the window.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        table_.SortByColumn(col);
        grid_->SetInvertedHeader(-1);
        unsetCursor();
    } else {
        table_.ResetOrder();
    }
    FillRows();
}

void frmBrowse::Pick(int32_t recNo) {
    result_ = recNo;
    accept();
}

} // namespace tabulo
