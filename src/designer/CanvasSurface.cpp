#include "designer/CanvasSurface.h"

#include "designer/DesignCanvas.h"
#include "designer/Handles.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tabulo::designer {

namespace {

bool AddsToSelection(Qt::KeyboardModifiers modifiers) {
    return modifiers & (Qt::ShiftModifier | Qt::ControlModifier);
}

QRect RectOf(const Box& box) {
    return QRect(box.left, box.top, box.width, box.height);
}

// The shift that puts a line on the grid.
int ToGrid(int line) {
    return Snapped(line) - line;
}

} // namespace

CanvasSurface::CanvasSurface(DesignCanvas& canvas, DesignDocument& doc, QWidget* parent)
    : QWidget(parent), canvas_(canvas), doc_(doc) {
    setObjectName(QStringLiteral("CanvasSurface"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Form canvas"));
    setMouseTracking(true); // the cursor changes over a handle
}

std::optional<ItemRef> CanvasSurface::ItemAt(const QPoint& point) const {
    const Selection hit = canvas_.ItemsIn(QRect(point, QSize(1, 1)));
    if (hit.empty()) return std::nullopt;
    return *hit.begin(); // fields sort before banners: a field wins over a label beneath it
}

Box CanvasSurface::BoxOf(const ItemRef& item) const {
    const QRect place = canvas_.PlaceOf(item);
    return {place.left(), place.top(), place.width(), place.height()};
}

// Only fields have handles: a banner takes the size of its caption.
std::optional<std::pair<ItemRef, unsigned>> CanvasSurface::HandleUnder(const QPoint& point) const {
    for (const ItemRef& item : canvas_.Selected())
        if (item.kind == ItemKind::Field)
            if (const unsigned edges = HandleAt(BoxOf(item), point)) return std::pair(item, edges);
    return std::nullopt;
}

void CanvasSurface::StartDrag(const ItemRef& item, unsigned edges) {
    dragged_ = item;
    edges_ = edges;
    startBox_ = box_ = BoxOf(item);
    others_.clear();
    for (const ItemRef& other : canvas_.ItemsIn(rect()))
        if (!canvas_.Selected().contains(other)) others_.push_back(BoxOf(other));
    guides_ = {};
}

void CanvasSurface::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) return;
    pressedAt_ = event->position().toPoint();
    if (const auto handle = HandleUnder(pressedAt_);
        handle && !AddsToSelection(event->modifiers())) {
        gesture_ = Gesture::Resize;
        StartDrag(handle->first, handle->second);
        return;
    }
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
        gesture_ = Gesture::Move;
    }
    canvas_.Select(selection);
    if (gesture_ == Gesture::Move) StartDrag(*item, kWholeBox);
}

Box CanvasSurface::DraggedBox(const QPoint& point) {
    const QPoint by = point - pressedAt_;
    const Box raw = Dragged(startBox_, edges_, by.x(), by.y());
    guides_ = FitToGuides(raw, edges_, others_);
    int dx = guides_.dx, dy = guides_.dy;
    if (canvas_.SnapsToGrid()) {
        // A resize puts its moving edge on the grid, a move the box's corner.
        if (!guides_.x) dx = ToGrid(edges_ & kLeftEdge ? raw.left : raw.Right());
        if (!guides_.y) dy = ToGrid(edges_ & kTopEdge ? raw.top : raw.Bottom());
    }
    return Dragged(raw, edges_, dx, dy);
}

void CanvasSurface::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    switch (gesture_) {
    case Gesture::None: {
        const auto handle = HandleUnder(point);
        setCursor(handle ? CursorFor(handle->second) : Qt::ArrowCursor);
        return;
    }
    case Gesture::Move:
    case Gesture::Resize:
        box_ = DraggedBox(point);
        break;
    case Gesture::Band:
        band_ = QRect(pressedAt_, point).normalized();
        break;
    }
    update();
}

void CanvasSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const Gesture gesture = std::exchange(gesture_, Gesture::None);
    const QPoint moved(box_.left - startBox_.left, box_.top - startBox_.top);
    if (gesture == Gesture::Move && !moved.isNull())
        doc_.Apply(Moved(doc_.Current(), canvas_.Selected(), moved.x(), moved.y()), tr("Move"));
    if (gesture == Gesture::Resize)
        doc_.Apply(
            Reboxed(doc_.Current(), dragged_.slot, box_.left, box_.top, box_.width, box_.height),
            tr("Resize"));
    if (gesture == Gesture::Band) {
        Selection selection =
            AddsToSelection(event->modifiers()) ? canvas_.Selected() : Selection{};
        selection.merge(canvas_.ItemsIn(band_));
        canvas_.Select(selection);
    }
    startBox_ = box_ = {};
    guides_ = {};
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

// The canvas's own marks are one device pixel wide at any screen scale, so they stay sharp
// over the form and never hide a neighbouring pixel of it.
static QPen Hairline(const QColor& colour, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, 0, style);
    pen.setCosmetic(true);
    return pen;
}

void CanvasSurface::PaintGrid(QPainter& painter) const {
    QPolygon dots;
    for (int y = 0; y < height(); y += kGridStep)
        for (int x = 0; x < width(); x += kGridStep)
            dots << QPoint(x, y);
    painter.setPen(Hairline(QColor(0, 0, 0, 60)));
    painter.drawPoints(dots);
}

void CanvasSurface::PaintGuides(QPainter& painter) const {
    painter.setPen(Hairline(QColor(220, 0, 140)));
    if (guides_.x) painter.drawLine(*guides_.x, 0, *guides_.x, height());
    if (guides_.y) painter.drawLine(0, *guides_.y, width(), *guides_.y);
}

void CanvasSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (canvas_.SnapsToGrid()) PaintGrid(painter);
    const QColor mark = palette().color(QPalette::Highlight);
    const bool dragging = gesture_ == Gesture::Move || gesture_ == Gesture::Resize;
    for (const ItemRef& item : canvas_.Selected()) {
        const Box box = BoxOf(item);
        if (box.width == 0) continue;
        painter.setPen(Hairline(mark, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(RectOf(box).adjusted(-1, -1, 0, 0));
        if (item.kind == ItemKind::Field && !dragging) {
            painter.setPen(Hairline(mark));
            painter.setBrush(mark);
            for (const Handle& handle : HandlesOf(box))
                painter.drawRect(handle.area);
        }
    }
    if (dragging) {
        // The outlines of where the drag would put the items.
        const QPoint moved(box_.left - startBox_.left, box_.top - startBox_.top);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(Hairline(mark, Qt::DotLine));
        if (gesture_ == Gesture::Resize)
            painter.drawRect(RectOf(box_));
        else
            for (const ItemRef& item : canvas_.Selected())
                painter.drawRect(RectOf(BoxOf(item)).translated(moved));
        PaintGuides(painter);
    }
    if (gesture_ == Gesture::Band) {
        painter.setPen(Hairline(mark, Qt::DashLine));
        painter.setBrush(QColor(mark.red(), mark.green(), mark.blue(), 40));
        painter.drawRect(band_);
    }
}

} // namespace tabulo::designer
