#pragma once
// Temporary: the dialogs' twips helper, until it is on main.
#include <QGuiApplication>
#include <QScreen>
#include <QSize>
#include <cmath>

namespace tabulo {

class Twips {
public:
    Twips(double dpiX, double dpiY) : x_(1440.0 / dpiX), y_(1440.0 / dpiY) {}
    static Twips FromScreen(const QScreen* screen = nullptr) {
        if (!screen) screen = QGuiApplication::primaryScreen();
        return screen ? Twips(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY())
                      : Twips(96, 96);
    }
    QSize ToPixels(QSize twips) const {
        return {int(std::nearbyint(twips.width() / x_)), int(std::nearbyint(twips.height() / y_))};
    }

private:
    double x_, y_;
};

} // namespace tabulo
