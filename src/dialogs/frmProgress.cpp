#include "dialogs/frmProgress.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QScreen>

namespace tabulo {
namespace {

// Design of the window, in twips.
constexpr int kClientWidth = 3945;
constexpr int kClientHeight = 1065;
constexpr int kBarLeft = 240;
constexpr int kBarTop = 360;
constexpr int kBarHeight = 495;
constexpr int kBarFullWidth = 3495;

} // namespace

frmProgress::frmProgress(QWidget* parent, Pace::Clock now)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), twips_(Twips::FromScreen()),
      paint_(Pace::kFrame, now), events_(Pace::kFrame, now) {
    setModal(false);
    setFixedSize(twips_.ToPixels(QSize(kClientWidth, kClientHeight)));

    auto* shape2 = new QFrame(this);
    shape2->setObjectName("Shape2");
    shape2->setFrameShape(QFrame::Box);
    shape2->setGeometry(rect());

    auto* shape1 = new QFrame(this);
    shape1->setObjectName("Shape1");
    shape1->setFrameShape(QFrame::Box);
    shape1->setStyleSheet("QFrame { border: 1px solid grey; }");
    Place(shape1, 180, 300, 3615, 615);

    bar_ = new QFrame(this);
    bar_->setObjectName("Bar");
    bar_->setAutoFillBackground(true);
    QPalette barColour = bar_->palette();
    barColour.setColor(QPalette::Window, QColor(192, 192, 192));
    bar_->setPalette(barColour);
    Place(bar_, kBarLeft, kBarTop, 0, kBarHeight);

    auto* label1 = new QLabel("0", this);
    label1->setObjectName("Label1");
    label1->move(twips_.ToPixels(QPoint(240, 60)));
    auto* label2 = new QLabel("100", this);
    label2->setObjectName("Label2");
    label2->move(twips_.ToPixels(QPoint(3420, 60)));

    per_ = new QLabel(this);
    per_->setObjectName("Per");
    per_->move(twips_.ToPixels(QPoint(1800, 480)));
    per_->raise(); // drawn over the bar
}

void frmProgress::Place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(twips_.ToPixels(QRect(left, top, width, height)));
}

// Changes between two repaints are drawn by the next one, or by the events' own painting.
void frmProgress::ShowPer(long done, long total) {
    if (!isVisible()) {
        CentreOnOwner();
        show();
    }
    const auto percent =
        total > 0 ? static_cast<int>(static_cast<long long>(done) * 100 / total) : 0;
    if (percent > lastPer_) {
        lastPer_ = percent + 1;
        per_->setText(QString::number(percent) + "%");
        per_->adjustSize();
        const auto width = static_cast<int>(static_cast<long long>(kBarFullWidth) * done / total);
        Place(bar_, kBarLeft, kBarTop, width, kBarHeight);
    }
    if (paint_.Due()) repaint();
}

// A new run opens in the middle of the window that started it, or of the screen.
void frmProgress::CentreOnOwner() {
    const QWidget* owner = parentWidget();
    const QRect area = owner ? owner->window()->frameGeometry()
                             : (screen() ? screen()->availableGeometry() : QRect());
    if (area.isValid()) move(area.center() - rect().center());
}

void frmProgress::HidePer() {
    hide();
    lastPer_ = 0;
    paint_.Restart();
    events_.Restart();
    per_->clear();
    Place(bar_, kBarLeft, kBarTop, 0, kBarHeight);
}

void frmProgress::ProcessEvents() {
    if (events_.Due()) QCoreApplication::processEvents();
}

} // namespace tabulo
