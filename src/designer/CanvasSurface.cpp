#include "designer/CanvasSurface.h"

#include "designer/DesignCanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tabulo::designer {

namespace {

constexpr int kHandleSize = 5;

bool AddsToSelection(Qt::KeyboardModifiers modifiers) {
    return modifiers & (Qt::ShiftModifier | Qt::ControlModifier);
}

} // namespace

CanvasSurface::CanvasSurface(DesignCanvas& canvas, DesignDocument& doc, QWidget* parent)
    : QWidget(parent), canvas_(canvas), doc_(doc) {
    setObjectName(QStringLiteral("CanvasSurface"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Form canvas"));
}

std::optional<ItemRef> CanvasSurface::ItemAt(const QPoint& point) const {
    const Selection hit = canvas_.ItemsIn(QRect(point, QSize(1, 1)));
    if (hit.empty()) return std::nullopt;
    return *hit.begin(); // fields sort before banners: a field wins over a label beneath it
}

void CanvasSurface::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) return;
    pressedAt_ = event->position().toPoint();
    offset_ = {};
    const std::optional<ItemRef> item = ItemAt(pressedAt_);
    Selection selection = canvas_.Selected();
    if (!item) {
        if (!AddsToSelection(event->modifiers())) selection.clear();
        gesture_ = Gesture::Band;
        band_ = QRect(pressedAt_, QSize(1, 1));
    } else if (AddsToSelection(event->modifiers())) {
        if (!selection.erase(*item)) selection.insert(*item);
        gesture_ = Gesture::None;
    } else {
        if (!selection.contains(*item)) selection = {*item};
        gesture_ = Gesture::Drag;
        anchor_ = canvas_.PlaceOf(*item).topLeft();
    }
    canvas_.Select(selection);
}

QPoint CanvasSurface::DragOffset(const QPoint& point) const {
    const QPoint moved = anchor_ + point - pressedAt_;
    if (!canvas_.SnapsToGrid()) return moved - anchor_;
    return QPoint(Snapped(moved.x()), Snapped(moved.y())) - anchor_;
}

void CanvasSurface::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (gesture_ == Gesture::Drag) offset_ = DragOffset(point);
    if (gesture_ == Gesture::Band) band_ = QRect(pressedAt_, point).normalized();
    update();
}

void CanvasSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const Gesture gesture = std::exchange(gesture_, Gesture::None);
    if (gesture == Gesture::Drag && !offset_.isNull())
        doc_.Apply(Moved(doc_.Current(), canvas_.Selected(), offset_.x(), offset_.y()), tr("Move"));
    if (gesture == Gesture::Band) {
        Selection selection =
            AddsToSelection(event->modifiers()) ? canvas_.Selected() : Selection{};
        selection.merge(canvas_.ItemsIn(band_));
        canvas_.Select(selection);
    }
    offset_ = {};
    update();
}

void CanvasSurface::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    const bool resize = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Left:
        return canvas_.Nudge(-step, 0, resize);
    case Qt::Key_Right:
        return canvas_.Nudge(step, 0, resize);
    case Qt::Key_Up:
        return canvas_.Nudge(0, -step, resize);
    case Qt::Key_Down:
        return canvas_.Nudge(0, step, resize);
    default:
        QWidget::keyPressEvent(event);
    }
}

void CanvasSurface::PaintGrid(QPainter& painter) const {
    QPolygon dots;
    for (int y = 0; y < height(); y += kGridStep)
        for (int x = 0; x < width(); x += kGridStep)
            dots << QPoint(x, y);
    painter.setPen(QColor(0, 0, 0, 60));
    painter.drawPoints(dots);
}

void CanvasSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (canvas_.SnapsToGrid()) PaintGrid(painter);
    const QColor mark = palette().color(QPalette::Highlight);
    for (const ItemRef& item : canvas_.Selected()) {
        const QRect place = canvas_.PlaceOf(item);
        if (place.isEmpty()) continue;
        painter.setPen(QPen(mark, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(place.adjusted(-1, -1, 0, 0));
        painter.setPen(mark);
        painter.setBrush(mark);
        for (const QPoint& corner :
             {place.topLeft(), place.topRight(), place.bottomLeft(), place.bottomRight()})
            painter.drawRect(QRect(corner - QPoint(2, 2), QSize(kHandleSize, kHandleSize)));
        if (!offset_.isNull()) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(mark, 1, Qt::DotLine));
            painter.drawRect(place.translated(offset_));
        }
    }
    if (gesture_ == Gesture::Band) {
        painter.setPen(QPen(mark, 1, Qt::DashLine));
        painter.setBrush(QColor(mark.red(), mark.green(), mark.blue(), 40));
        painter.drawRect(band_);
    }
}

} // namespace tabulo::designer
