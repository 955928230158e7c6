#include "editor/DummyLabel.h"

#include <QMouseEvent>

namespace tabulo {

DummyLabel::DummyLabel(int slot, QWidget* parent) : QLabel(parent), slot_(slot) {
    setObjectName(QStringLiteral("Dummy(%1)").arg(slot));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setMargin(2);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

// The press belongs to the label: it must not reach the window's background, where a
// right click opens the Goto pop-up.
void DummyLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void DummyLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked(slot_);
}

} // namespace tabulo
