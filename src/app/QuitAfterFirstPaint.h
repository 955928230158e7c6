#pragma once
// Ends the program once the watched widget has painted for the first time: the start-up
// benchmarks of both programs measure the time up to there.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

namespace tabulo {

class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

} // namespace tabulo
