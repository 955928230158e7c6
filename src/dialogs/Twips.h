#pragma once
// Window sizes and screen positions are kept in twips (1440 to the inch); the widgets work
// in pixels. Every conversion between the two goes through this helper, which takes the
// twips per pixel from the screen's logical resolution in each direction.

#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;

namespace tabulo {

class Twips {
public:
    Twips(double dpiX, double dpiY);
    // The given screen's logical DPI; the primary screen when none is given.
    static Twips FromScreen(const QScreen* screen = nullptr);

    double PerPixelX() const { return perPixelX_; }
    double PerPixelY() const { return perPixelY_; }

    // Rounded to the nearest whole number, halves to even.
    int PixelsToTwipsX(double pixels) const;
    int PixelsToTwipsY(double pixels) const;
    int TwipsToPixelsX(double twips) const;
    int TwipsToPixelsY(double twips) const;

    QPoint ToPixels(QPoint twips) const;
    QSize ToPixels(QSize twips) const;
    QRect ToPixels(const QRect& twips) const;
    QPoint ToTwips(QPoint pixels) const;
    QSize ToTwips(QSize pixels) const;

private:
    double perPixelX_;
    double perPixelY_;
};

// The screen's conversions, for callers that need a single value.
int PixelsToTwipsX(double pixels);
int PixelsToTwipsY(double pixels);

} // namespace tabulo
