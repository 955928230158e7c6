#include "dialogs/frmGetDate.h"

#include "base/Calendar.h"
#include "base/Clock.h"
#include "base/modLIB.h"
#include "dialogs/QtText.h"
#include "dialogs/Twips.h"

#include <QDate>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cstdio>

namespace tabulo {
namespace {

// Design of the window, in twips.
constexpr int kCellSize = 255;
constexpr int kCellLeft = 75;
constexpr int kWeekdayTop = 360;
constexpr int kDayTop = 660;
constexpr int kGapPixels = 3;
constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;
constexpr const char* kCalendarFont = "Microsoft Sans Serif";
constexpr int kCalendarPoints = 9;

// The column of the month's first day: 0 for Monday to 6 for Sunday.
int ColumnOfFirst(int month, int year) {
    return (calendar::DayOfWeek(calendar::DayNumber(year, month, 1)) + 5) % 7;
}

int Number(const std::string& text, size_t pos, size_t len) {
    return std::stoi(text.substr(pos, len));
}

// A day of the grid. The day that has the keyboard focus shows a dotted frame.
class DayCell : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (!hasFocus()) return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

void SetMarked(QLabel* cell, bool marked) {
    QFont font = cell->font();
    font.setBold(marked);
    cell->setFont(font);
    QPalette colours = cell->palette();
    colours.setColor(QPalette::WindowText, marked ? QColor(255, 0, 0) : QColor(0, 0, 0));
    cell->setPalette(colours);
}

} // namespace

frmGetDate::frmGetDate(const DateRequest& request, QWidget* parent)
    : QDialog(parent), dateOrder_(request.DateOrder) {
    setWindowTitle("Date");
    CreateControls();
    const Twips twips = Twips::FromScreen();
    move(twips.ToPixels(QPoint(static_cast<int>(request.X), static_cast<int>(request.Y))));

    const std::string& start = request.StartDate;
    if (modLIB::IsValidDate(start, dateOrder_)) {
        const bool monthFirst = dateOrder_ == 2;
        markDay_ = Number(start, monthFirst ? 3 : 0, 2);
        markMonth_ = Number(start, monthFirst ? 0 : 3, 2);
        markYear_ = Number(start, 6, 4);
    } else {
        const LocalTime today = CurrentLocalTime();
        markDay_ = today.Day;
        markMonth_ = today.Month;
        markYear_ = today.Year;
    }
    viewMonth_ = markMonth_;
    viewYear_ = markYear_;
    focusDay_ = markDay_;
    ShowMonth();
    DayCellOf(focusDay_)->setFocus();
}

void frmGetDate::CreateControls() {
    const Twips twips = Twips::FromScreen();
    setFixedSize(twips.ToPixels(QSize(2190, 2490)));
    auto place = [&](QWidget* control, const char* name, QRect design) {
        control->setObjectName(name);
        control->setGeometry(twips.ToPixels(design));
    };
    auto button = [&](const char* caption, const char* name, const char* purpose, int left,
                      void (frmGetDate::*step)(int), int delta) {
        auto* cmd = new QPushButton(caption, this);
        cmd->setAutoDefault(false);
        cmd->setAccessibleName(purpose);
        place(cmd, name, QRect(left, 60, 255, 255));
        connect(cmd, &QPushButton::clicked, this, [this, step, delta] { (this->*step)(delta); });
    };
    button("<", "cmdBack", "Previous month", 60, &frmGetDate::StepMonth, -1);
    button(">", "cmdNext", "Next month", 720, &frmGetDate::StepMonth, +1);
    button("<", "cmdYBack", "Previous year", 1080, &frmGetDate::StepYear, -1);
    button(">", "cmdYNext", "Next year", 1860, &frmGetDate::StepYear, +1);
    auto heading = [&](const char* name, QRect design) {
        auto* label = new QLabel(this);
        label->setFont(QFont(kCalendarFont, kCalendarPoints));
        label->setAlignment(Qt::AlignCenter);
        place(label, name, design);
        return label;
    };
    lblMonth_ = heading("lblMonth", QRect(360, 90, 315, 195));
    lblYear_ = heading("lblYear", QRect(1380, 90, 435, 195));

    // Cells sit one cell width plus three screen pixels apart, in twips.
    const double stepX = kCellSize + kGapPixels * twips.PerPixelX();
    const double stepY = kCellSize + kGapPixels * twips.PerPixelY();
    auto cellRect = [&](int column, double top) {
        return QRect(twips.TwipsToPixelsX(kCellLeft + column * stepX), twips.TwipsToPixelsY(top),
                     twips.TwipsToPixelsX(kCellSize), twips.TwipsToPixelsY(kCellSize));
    };
    static constexpr const char* kWeekdays[] = {"M", "T", "W", "T", "F", "S", "S"};
    for (int i = 0; i < 7; ++i) {
        auto* label = new QLabel(kWeekdays[i], this);
        label->setObjectName(QString("lblDayOfWeek%1").arg(i + 1));
        label->setFont(QFont(kCalendarFont, kCalendarPoints, QFont::Bold));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(cellRect(i, kWeekdayTop));
    }
    for (int i = 0; i < kCells; ++i) {
        auto* cell = new DayCell(this);
        cell->setObjectName(QString("lblDay%1").arg(i + 1));
        cell->setFont(QFont(kCalendarFont, kCalendarPoints));
        cell->setAlignment(Qt::AlignCenter);
        cell->setGeometry(cellRect(i % 7, kDayTop + (i / 7) * stepY));
        cell->installEventFilter(this);
        lblDay_[i] = cell;
    }
}

void frmGetDate::ShowMonth() {
    lblMonth_->setText(ToQString(modLIB::MonthName(viewMonth_)));
    lblYear_->setText(QString::number(viewYear_));
    const int firstCell = ColumnOfFirst(viewMonth_, viewYear_);
    const int days = modLIB::DaysInMonth(viewMonth_, viewYear_);
    for (int i = 0; i < kCells; ++i) {
        const int day = i - firstCell + 1;
        const bool inMonth = day >= 1 && day <= days;
        const bool marked =
            inMonth && viewYear_ == markYear_ && viewMonth_ == markMonth_ && day == markDay_;
        lblDay_[i]->setText(inMonth ? QString::number(day) : QString());
        SetMarked(lblDay_[i], marked);
        DescribeDay(lblDay_[i], inMonth ? day : 0, marked);
    }
    focusDay_ = std::min(focusDay_, days);
    // Tab reaches the grid at the focused day only; the arrows move within it.
    for (QLabel* cell : lblDay_) {
        const int day = cell->text().toInt();
        cell->setFocusPolicy(day == 0           ? Qt::NoFocus
                             : day == focusDay_ ? Qt::StrongFocus
                                                : Qt::ClickFocus);
    }
}

// What a screen reader says for a day: the whole date, and whether it is the starting one.
void frmGetDate::DescribeDay(QLabel* cell, int day, bool marked) const {
    if (day == 0) {
        cell->setAccessibleName(QString());
        cell->setAccessibleDescription(QString());
        return;
    }
    cell->setAccessibleName(QDate(viewYear_, viewMonth_, day).toString("d MMMM yyyy"));
    cell->setAccessibleDescription(marked ? "starting date" : QString());
}

QLabel* frmGetDate::DayCellOf(int day) const {
    return lblDay_[ColumnOfFirst(viewMonth_, viewYear_) - 1 + day];
}

// Moves the focused day by a number of days, into the neighbouring months when needed.
void frmGetDate::MoveFocusDays(int days) {
    const calendar::Date to =
        calendar::DateOfDayNumber(calendar::DayNumber(viewYear_, viewMonth_, focusDay_) + days);
    if (to.Year < kFirstYear || to.Year > kLastYear) return;
    viewYear_ = to.Year;
    viewMonth_ = to.Month;
    focusDay_ = to.Day;
    ShowMonth();
}

// The calendar's keys on a day: arrows by day and week, Page Up and Page Down by month
// (with Ctrl by year), Home and End to the month's ends, Enter or Space picks the day.
bool frmGetDate::DayKey(const QKeyEvent& key) {
    const bool byYear = key.modifiers() & Qt::ControlModifier;
    switch (key.key()) {
    case Qt::Key_Left:
        MoveFocusDays(-1);
        break;
    case Qt::Key_Right:
        MoveFocusDays(1);
        break;
    case Qt::Key_Up:
        MoveFocusDays(-7);
        break;
    case Qt::Key_Down:
        MoveFocusDays(7);
        break;
    case Qt::Key_PageUp:
        byYear ? StepYear(-1) : StepMonth(-1);
        break;
    case Qt::Key_PageDown:
        byYear ? StepYear(1) : StepMonth(1);
        break;
    case Qt::Key_Home:
        MoveFocusDays(1 - focusDay_);
        break;
    case Qt::Key_End:
        MoveFocusDays(modLIB::DaysInMonth(viewMonth_, viewYear_) - focusDay_);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        PickDay(DayCellOf(focusDay_));
        return true;
    default:
        return false;
    }
    DayCellOf(focusDay_)->setFocus();
    return true;
}

void frmGetDate::StepMonth(int delta) {
    int month = viewMonth_ + delta;
    int year = viewYear_;
    if (month < 1) month = 12, --year;
    if (month > 12) month = 1, ++year;
    if (year < kFirstYear || year > kLastYear) return;
    viewMonth_ = month;
    viewYear_ = year;
    ShowMonth();
}

void frmGetDate::StepYear(int delta) {
    const int year = viewYear_ + delta;
    if (year < kFirstYear || year > kLastYear) return;
    viewYear_ = year;
    ShowMonth();
}

void frmGetDate::PickDay(const QLabel* cell) {
    if (cell->text().isEmpty()) return;
    const int day = cell->text().toInt();
    const bool monthFirst = dateOrder_ == 2;
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", monthFirst ? viewMonth_ : day,
                  monthFirst ? day : viewMonth_, viewYear_);
    result_ = text;
    accept();
}

bool frmGetDate::eventFilter(QObject* watched, QEvent* event) {
    auto* cell = qobject_cast<QLabel*>(watched);
    if (!cell) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        PickDay(cell);
        return true;
    case QEvent::KeyPress:
        return DayKey(static_cast<const QKeyEvent&>(*event));
    case QEvent::FocusIn: // a click on a day moves the keyboard's day there
        focusDay_ = cell->text().toInt();
        ShowMonth();
        return false;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

} // namespace tabulo
