#include "dialogs/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace tabulo {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kFallbackDpi = 96.0;

// std::nearbyint rounds halves to even in the default rounding mode.
int Round(double value) {
    return static_cast<int>(std::nearbyint(value));
}

double PerPixel(double dpi) {
    return kTwipsPerInch / (dpi > 0 ? dpi : kFallbackDpi);
}

} // namespace

Twips::Twips(double dpiX, double dpiY) : perPixelX_(PerPixel(dpiX)), perPixelY_(PerPixel(dpiY)) {
}

Twips Twips::FromScreen(const QScreen* screen) {
    if (!screen && qGuiApp) screen = QGuiApplication::primaryScreen();
    if (!screen) return Twips(kFallbackDpi, kFallbackDpi);
    return Twips(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY());
}

int Twips::PixelsToTwipsX(double pixels) const {
    return Round(pixels * perPixelX_);
}
int Twips::PixelsToTwipsY(double pixels) const {
    return Round(pixels * perPixelY_);
}
int Twips::TwipsToPixelsX(double twips) const {
    return Round(twips / perPixelX_);
}
int Twips::TwipsToPixelsY(double twips) const {
    return Round(twips / perPixelY_);
}

QPoint Twips::ToPixels(QPoint twips) const {
    return {TwipsToPixelsX(twips.x()), TwipsToPixelsY(twips.y())};
}

QSize Twips::ToPixels(QSize twips) const {
    return {TwipsToPixelsX(twips.width()), TwipsToPixelsY(twips.height())};
}

QRect Twips::ToPixels(const QRect& twips) const {
    return {ToPixels(twips.topLeft()), ToPixels(twips.size())};
}

QPoint Twips::ToTwips(QPoint pixels) const {
    return {PixelsToTwipsX(pixels.x()), PixelsToTwipsY(pixels.y())};
}

QSize Twips::ToTwips(QSize pixels) const {
    return {PixelsToTwipsX(pixels.width()), PixelsToTwipsY(pixels.height())};
}

int PixelsToTwipsX(double pixels) {
    return Twips::FromScreen().PixelsToTwipsX(pixels);
}
int PixelsToTwipsY(double pixels) {
    return Twips::FromScreen().PixelsToTwipsY(pixels);
}

} // namespace tabulo
