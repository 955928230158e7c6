#include "dialogs/frmGetDate.h"

#include "base/Calendar.h"
#include "base/Clock.h"
#include "base/modLIB.h"
#include "dialogs/QtText.h"
#include "dialogs/Twips.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
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
    ShowMonth();
}

void frmGetDate::CreateControls() {
    const Twips twips = Twips::FromScreen();
    setFixedSize(twips.ToPixels(QSize(2190, 2490)));
    auto place = [&](QWidget* control, const char* name, QRect design) {
        control->setObjectName(name);
        control->setGeometry(twips.ToPixels(design));
    };
    auto button = [&](const char* caption, const char* name, int left,
                      void (frmGetDate::*step)(int), int delta) {
        auto* cmd = new QPushButton(caption, this);
        cmd->setAutoDefault(false);
        place(cmd, name, QRect(left, 60, 255, 255));
        connect(cmd, &QPushButton::clicked, this, [this, step, delta] { (this->*step)(delta); });
    };
    button("<", "cmdBack", 60, &frmGetDate::StepMonth, -1);
    button(">", "cmdNext", 720, &frmGetDate::StepMonth, +1);
    button("<", "cmdYBack", 1080, &frmGetDate::StepYear, -1);
    button(">", "cmdYNext", 1860, &frmGetDate::StepYear, +1);
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
        auto* cell = new QLabel(this);
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
        lblDay_[i]->setText(inMonth ? QString::number(day) : QString());
        SetMarked(lblDay_[i],
                  inMonth && viewYear_ == markYear_ && viewMonth_ == markMonth_ && day == markDay_);
    }
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
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (auto* cell = qobject_cast<QLabel*>(watched)) {
            PickDay(cell);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tabulo
