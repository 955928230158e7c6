#include "designer/Guides.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace tabulo::designer {

namespace {

// One axis of a box: a move shifts its start; a grabbed start or end moves alone.
void DragAxis(int& start, int& extent, bool grabsStart, bool grabsEnd, int by) {
    if (grabsStart && grabsEnd) {
        start = std::max(0, start + by);
    } else if (grabsStart) {
        const int end = start + extent;
        start = std::clamp(start + by, 0, std::max(0, end - kSmallestSide));
        extent = end - start;
    } else if (grabsEnd) {
        extent = std::max(kSmallestSide, extent + by);
    }
}

struct AxisFit {
    std::optional<int> line;
    int shift = 0;
    int distance = INT_MAX;
};

// The lines of one axis that move: its start, end and centre, as the drag grabs them.
std::vector<int> MovingLines(int start, int extent, bool grabsStart, bool grabsEnd, bool centre) {
    std::vector<int> lines;
    if (grabsStart) lines.push_back(start);
    if (grabsEnd) lines.push_back(start + extent);
    if (centre) lines.push_back(start + extent / 2);
    return lines;
}

void Consider(AxisFit& fit, const std::vector<int>& moving, int start, int extent, int reach) {
    for (int from : moving)
        for (int to : {start, start + extent, start + extent / 2}) {
            const int distance = std::abs(to - from);
            if (distance <= reach && distance < fit.distance) fit = {to, to - from, distance};
        }
}

} // namespace

Box Dragged(Box box, unsigned edges, int dx, int dy) {
    DragAxis(box.left, box.width, edges & kLeftEdge, edges & kRightEdge, dx);
    DragAxis(box.top, box.height, edges & kTopEdge, edges & kBottomEdge, dy);
    return box;
}

GuideFit FitToGuides(const Box& box, unsigned edges, const std::vector<Box>& others, int reach) {
    const bool centres = edges & kCentres;
    const std::vector<int> xs =
        MovingLines(box.left, box.width, edges & kLeftEdge, edges & kRightEdge, centres);
    const std::vector<int> ys =
        MovingLines(box.top, box.height, edges & kTopEdge, edges & kBottomEdge, centres);
    AxisFit across, down;
    for (const Box& other : others) {
        Consider(across, xs, other.left, other.width, reach);
        Consider(down, ys, other.top, other.height, reach);
    }
    return {across.line, down.line, across.shift, down.shift};
}

} // namespace tabulo::designer
