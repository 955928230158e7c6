#pragma once
// Stand-ins for the shared text and twips helpers of the dialogs library until it lands.

#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <string>

namespace tabulo {

inline QString ToQString(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQString(const QString& text) { return text.toLatin1().toStdString(); }

inline int TwipsPerPixelX() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(1440.0 / screen->logicalDotsPerInchX()) : 15;
}
inline int TwipsPerPixelY() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(1440.0 / screen->logicalDotsPerInchY()) : 15;
}

} // namespace tabulo
