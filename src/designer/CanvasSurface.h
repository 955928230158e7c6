#pragma once
// The transparent surface over the drawn form: it takes every mouse press and key meant for
// the form, so the form's boxes never get input, and paints the grid, the selection with the
// handles of its fields, the outlines of a drag, its alignment guides and the rubber band.

#include "designer/DesignEdits.h"
#include "designer/Guides.h"

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
    Box BoxOf(const ItemRef& item) const;
    // A handle of a selected field under the point: the field and the edges it moves.
    std::optional<std::pair<ItemRef, unsigned>> HandleUnder(const QPoint& point) const;
    // Starts dragging the lines `edges` of the item's box, the other items of the page
    // offering their guides.
    void StartDrag(const ItemRef& item, unsigned edges);
    // The box the drag gives with the mouse at the point: each axis stands on a guide when
    // one is in reach, else on the grid when snapping is on.
    Box DraggedBox(const QPoint& point);
    void PaintGrid(QPainter& painter) const;
    void PaintGuides(QPainter& painter) const;

    DesignCanvas& canvas_;
    DesignDocument& doc_;
    enum class Gesture { None, Move, Resize, Band } gesture_ = Gesture::None;
    QPoint pressedAt_;
    ItemRef dragged_;            // the pressed item of a move or resize
    unsigned edges_ = kWholeBox; // the lines the drag moves
    Box startBox_, box_;         // the dragged item's box before and during the drag
    std::vector<Box> others_;    // the boxes that offer guides
    GuideFit guides_;
    QRect band_;
};

} // namespace tabulo::designer
