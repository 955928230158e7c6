#pragma once
// The transparent surface over the drawn form: it takes every mouse press and key meant for
// the form, so the form's boxes never get input, and paints the grid, the selection, the
// outlines of a drag and the rubber band.

#include "designer/DesignEdits.h"

#include <QWidget>
#include <optional>

namespace tabulo::designer {

class DesignCanvas;
class DesignDocument;

class CanvasSurface : public QWidget {
    Q_OBJECT
public:
    CanvasSurface(DesignCanvas& canvas, DesignDocument& doc, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<ItemRef> ItemAt(const QPoint& point) const;
    // The drag's move: the pressed item's corner lands on the grid when snapping is on.
    QPoint DragOffset(const QPoint& point) const;
    void PaintGrid(QPainter& painter) const;

    DesignCanvas& canvas_;
    DesignDocument& doc_;
    enum class Gesture { None, Drag, Band } gesture_ = Gesture::None;
    QPoint pressedAt_;
    QPoint anchor_; // the pressed item's corner
    QPoint offset_; // of the drag so far
    QRect band_;
};

} // namespace tabulo::designer
