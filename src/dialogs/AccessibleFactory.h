#pragma once
// Hands Qt's accessibility a description of our own for a widget class that paints itself
// or shows more than its plain Qt base says: InstallAccessibleFactory<Widget, Interface>()
// once, and every Widget is described by a new Interface(widget).

#include <QAccessible>
#include <QObject>
#include <QString>

namespace tabulo {

template <typename Widget, typename Interface>
QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(Widget::staticMetaObject.className()) || !object ||
        !object->isWidgetType())
        return nullptr;
    return new Interface(static_cast<Widget*>(object));
}

template <typename Widget, typename Interface> void InstallAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(&AccessibleFactory<Widget, Interface>);
        return true;
    }();
    (void)installed;
}

} // namespace tabulo
