#include "designer/Handles.h"

#include "designer/Guides.h"

namespace tabulo::designer {

namespace {

constexpr int kHandleSide = 5;
constexpr int kGrabMargin = 2; // the mouse may miss a handle by this much

} // namespace

std::vector<Handle> HandlesOf(const Box& box) {
    const int xs[] = {box.left, box.left + box.width / 2, box.Right()};
    const int ys[] = {box.top, box.top + box.height / 2, box.Bottom()};
    const unsigned xEdges[] = {kLeftEdge, 0, kRightEdge};
    const unsigned yEdges[] = {kTopEdge, 0, kBottomEdge};
    std::vector<Handle> handles;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const unsigned edges = xEdges[column] | yEdges[row];
            if (edges == 0) continue; // the middle is for moving
            const QPoint centre(xs[column], ys[row]);
            handles.push_back({edges, QRect(centre - QPoint(kHandleSide / 2, kHandleSide / 2),
                                            QSize(kHandleSide, kHandleSide))});
        }
    return handles;
}

unsigned HandleAt(const Box& box, const QPoint& point) {
    for (const Handle& handle : HandlesOf(box))
        if (handle.area.adjusted(-kGrabMargin, -kGrabMargin, kGrabMargin, kGrabMargin)
                .contains(point))
            return handle.edges;
    return 0;
}

Qt::CursorShape CursorFor(unsigned edges) {
    const bool across = edges & (kLeftEdge | kRightEdge);
    const bool down = edges & (kTopEdge | kBottomEdge);
    if (across && down) {
        const bool topLeftOrBottomRight = bool(edges & kLeftEdge) == bool(edges & kTopEdge);
        return topLeftOrBottomRight ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    if (across) return Qt::SizeHorCursor;
    if (down) return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}

} // namespace tabulo::designer
