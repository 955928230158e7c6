#pragma once
// The arithmetic of a drag on the canvas, without widgets: which lines of a box the drag
// moves (all of them to move it, the grabbed edges to resize it), and the alignment guides
// that pull a moving line onto a line of another item within a few pixels.

#include "designer/DesignEdits.h"

#include <optional>
#include <vector>

namespace tabulo::designer {

// The lines of a box a drag moves; a move takes them all.
enum Edges : unsigned {
    kLeftEdge = 1,
    kRightEdge = 2,
    kTopEdge = 4,
    kBottomEdge = 8,
    kCentres = 16,
    kWholeBox = 31,
};

inline constexpr int kGuideReach = 4;    // pixels
inline constexpr int kSmallestSide = 10; // pixels: a resize stops there

// The box with its grabbed lines moved by (dx, dy): a move shifts it, a resize moves one
// edge and keeps the opposite one, never making a side shorter than kSmallestSide nor
// taking the box past the form's corner.
Box Dragged(Box box, unsigned edges, int dx, int dy);

// The nearest guide along each axis: the line (x of a vertical guide, y of a horizontal one)
// that a moving line of `box` (its left, right or centre; its top, bottom or centre) is
// within `reach` of, among the left, right and centre lines of the other boxes, and the
// shift that puts it there. No line along an axis when nothing is in reach; of lines equally
// near, the first found.
struct GuideFit {
    std::optional<int> x, y;
    int dx = 0, dy = 0;
};
GuideFit FitToGuides(const Box& box, unsigned edges, const std::vector<Box>& others,
                     int reach = kGuideReach);

} // namespace tabulo::designer
