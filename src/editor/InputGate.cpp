#include "editor/InputGate.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace tabulo {

namespace {

bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Drop:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

InputGate::InputGate(QWidget* window) : window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

InputGate::~InputGate() {
    QCoreApplication::instance()->removeEventFilter(this);
}

// The window's own widgets, its menus (popups of its own) and its actions (their accelerators
// arrive as events to them). Other windows, even those it owns, are not the window.
bool InputGate::BelongsToWindow(QObject* target) const {
    if (const auto* widget = qobject_cast<QWidget*>(target)) {
        const QWidget* top = widget->window();
        if (top != window_ && top->windowType() != Qt::Popup) return false;
    }
    for (const QObject* o = target; o != nullptr; o = o->parent())
        if (o == window_) return true;
    return false;
}

bool InputGate::eventFilter(QObject* target, QEvent* event) {
    if (!IsUserInput(event->type()) || !BelongsToWindow(target)) return false;
    // A close that is not refused would go ahead although its event never arrived.
    if (event->type() == QEvent::Close) event->ignore();
    return true;
}

} // namespace tabulo
