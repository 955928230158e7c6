#pragma once
// Finds a widget, action or other object of a window by its object name, as a user's
// tools would. A missing or renamed one stops the test with its name and type instead of
// crashing on a null pointer.

#include <QObject>
#include <QString>
#include <stdexcept>

namespace tabulo::test {

template <class T> T* NamedChild(const QObject& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    if (child == nullptr)
        throw std::runtime_error(
            QStringLiteral("%1 has no %2 named \"%3\"")
                .arg(parent.objectName(), QLatin1String(T::staticMetaObject.className()), name)
                .toStdString());
    return child;
}

} // namespace tabulo::test
