#pragma once
// Drives a modal window from inside its own event loop: the action runs as soon as a
// modal widget is up, so a test can look at it and close it instead of blocking.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tabulo::test {

inline void WhenModalOpens(std::function<void(QWidget*)> action, int triesLeft = 200) {
    QTimer::singleShot(10, [action = std::move(action), triesLeft]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget())
            action(modal);
        else if (triesLeft > 0)
            WhenModalOpens(std::move(action), triesLeft - 1);
    });
}

} // namespace tabulo::test
