#include "editor/DummyLabel.h"

#include "editor/DummyAccessible.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tabulo {

DummyLabel::DummyLabel(int slot, QWidget* parent) : QLabel(parent), slot_(slot) {
    InstallDummyAccessibility();
    setObjectName(QStringLiteral("Dummy(%1)").arg(slot));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setMargin(2);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void DummyLabel::SetLink(bool link) {
    link_ = link;
}

bool DummyLabel::ActsOnClick() const {
    return link_ ? !text().trimmed().isEmpty() : text().contains(QChar('\n'));
}

void DummyLabel::UpdateFocusPolicy() {
    setFocusPolicy(ActsOnClick() ? Qt::TabFocus : Qt::NoFocus);
}

// The press belongs to the label: it must not reach the window's background, where a
// right click opens the Goto pop-up.
void DummyLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void DummyLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Activate();
}

void DummyLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        Activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

// Only a label reached with Tab shows the frame: the focus the window hands its first label
// when it opens must not change the form's look.
void DummyLabel::focusInEvent(QFocusEvent* event) {
    tabbedTo_ = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QLabel::focusInEvent(event);
}

// A dotted frame shows which label the keyboard is on.
void DummyLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus() || !tabbedTo_) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tabulo
