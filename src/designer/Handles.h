#pragma once
// The eight handles of a field's box on the canvas (corners and edge midpoints), each named
// by the edges its drag moves, and the mouse cursor that shows which way it resizes.

#include "designer/DesignEdits.h"

#include <QRect>
#include <vector>

namespace tabulo::designer {

struct Handle {
    unsigned edges = 0; // Edges of Guides.h
    QRect area;         // where it is drawn
};

std::vector<Handle> HandlesOf(const Box& box);
// The edges of the handle under the point; 0 when none is.
unsigned HandleAt(const Box& box, const QPoint& point);
Qt::CursorShape CursorFor(unsigned edges);

} // namespace tabulo::designer
