#include "editor/Links.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tabulo {

LinkKind LinkKindOf(const std::string& format) {
    if (format.empty()) return LinkKind::None;
    if (format[0] == 'W') return LinkKind::Web;
    if (format[0] == 'E') return LinkKind::Mail;
    return LinkKind::None;
}

namespace {

QString TrimBlanks(const QString& text) {
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == QChar(' '))
        ++first;
    while (last > first && text[last - 1] == QChar(' '))
        --last;
    return text.mid(first, last - first);
}

// "http://" and "https://" in any case: the address is complete as it stands. Anything
// else, "https" without its slashes included, is taken for a bare host name.
bool HasWebScheme(const QString& address) {
    return address.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           address.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

} // namespace

QUrl UrlOfAddress(const QString& address) {
    return QUrl(address, QUrl::TolerantMode);
}

ClickAction ClickActionFor(LinkKind kind, const QString& caption) {
    if (kind != LinkKind::None) {
        QString s = TrimBlanks(caption);
        if (s.isEmpty()) return {};
        if (kind == LinkKind::Mail) return {ClickAction::OpenAddress, "mailto:" + s};
        if (!HasWebScheme(s)) s.prepend("Http://");
        return {ClickAction::OpenAddress, s};
    }
    if (caption.contains(QChar('\n'))) return {ClickAction::ShowText, {}};
    return {};
}

namespace {

// A hand with the index finger pointing up, its tip at (4, 0) of a 32 x 32 image.
QPainterPath HandOutline() {
    QPainterPath path;
    path.moveTo(2.5, 2);
    path.quadTo(4, -0.5, 5.5, 2); // finger tip
    path.lineTo(5.5, 9);
    path.quadTo(7, 7.5, 8.5, 9);
    path.lineTo(8.5, 10);
    path.quadTo(10, 8.5, 11.5, 10);
    path.lineTo(11.5, 11);
    path.quadTo(13, 9.5, 14.5, 11);
    path.lineTo(14.5, 17);
    path.quadTo(14.5, 20, 12.5, 21.5);
    path.lineTo(12.5, 23.5);
    path.lineTo(4.5, 23.5);
    path.lineTo(4.5, 21.5);
    path.lineTo(0.5, 15);
    path.quadTo(0.5, 12.5, 2.5, 13.5);
    path.closeSubpath();
    return path;
}

QCursor MakeLinkCursor() {
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(HandOutline());
    painter.drawLine(QPointF(8.5, 10), QPointF(8.5, 14));
    painter.drawLine(QPointF(11.5, 11), QPointF(11.5, 14));
    painter.end();
    return QCursor(image, 4, 0);
}

} // namespace

const QCursor& LinkCursor() {
    static const QCursor cursor = MakeLinkCursor();
    return cursor;
}

} // namespace tabulo
