#include "editor/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace tabulo {

namespace {

// All drawings use a 16 x 16 grid; they are rendered at 1x and 2x.
using Drawing = void (*)(QPainter&);

const QColor kInk(60, 60, 60);
const QColor kFolder(232, 185, 60);
const QColor kBlue(40, 100, 200);
const QColor kGreen(40, 150, 60);
const QColor kRed(205, 40, 40);

void Pen(QPainter& p, const QColor& color, qreal width = 1.0) {
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void Triangle(QPainter& p, qreal tipX, qreal baseX) {
    Pen(p, kBlue.darker(130));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({QPointF(tipX, 8), QPointF(baseX, 3), QPointF(baseX, 13)}));
}

void Bar(QPainter& p, qreal x) {
    Pen(p, kBlue.darker(130));
    p.setBrush(kBlue);
    p.drawRect(QRectF(x, 3, 2, 10));
}

void Sheet(QPainter& p) {
    Pen(p, kInk);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(2.5, 0.5), QPointF(10.5, 0.5), QPointF(13.5, 3.5),
                             QPointF(13.5, 15.5), QPointF(2.5, 15.5)}));
    p.drawPolyline(QPolygonF({QPointF(10.5, 0.5), QPointF(10.5, 3.5), QPointF(13.5, 3.5)}));
}

void Folder(QPainter& p) {
    Pen(p, kFolder.darker(170));
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF({QPointF(0.5, 3.5), QPointF(5.5, 3.5), QPointF(7, 5), QPointF(14.5, 5),
                             QPointF(14.5, 13.5), QPointF(0.5, 13.5)}));
}

void Cross(QPainter& p, const QRectF& box, qreal width) {
    Pen(p, kRed, width);
    p.drawLine(box.topLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomLeft());
}

void DrawOpen(QPainter& p) {
    Folder(p);
    p.setBrush(kFolder.lighter(125));
    p.drawPolygon(
        QPolygonF({QPointF(3, 7.5), QPointF(15.5, 7.5), QPointF(13, 13.5), QPointF(0.5, 13.5)}));
}

void DrawClose(QPainter& p) {
    Folder(p);
    Cross(p, QRectF(9, 9, 6, 6), 2);
}

void DrawPrint(QPainter& p) {
    Pen(p, kInk);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 0.5, 7, 6));
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(0.5, 5.5, 15, 7), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 10.5, 9, 5));
    p.drawLine(QPointF(5, 12.5), QPointF(11, 12.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawRect(QRectF(12, 7, 2, 1.5));
}

void DrawFirst(QPainter& p) {
    Bar(p, 2.5);
    Triangle(p, 5, 13);
}

void DrawPrevious(QPainter& p) {
    Triangle(p, 3.5, 11.5);
}
void DrawNext(QPainter& p) {
    Triangle(p, 12.5, 4.5);
}

void DrawLast(QPainter& p) {
    Triangle(p, 11, 3);
    Bar(p, 11.5);
}

// A grid of records with one row picked.
void DrawGotoRecord(QPainter& p) {
    Pen(p, kInk);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 1.5, 15, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRect(QRectF(1, 7, 14, 3));
    Pen(p, kInk);
    for (qreal y : {4.5, 10.5})
        p.drawLine(QPointF(0.5, y), QPointF(15.5, y));
    p.drawLine(QPointF(5.5, 1.5), QPointF(5.5, 14.5));
}

void PageArrow(QPainter& p, bool up) {
    Sheet(p);
    Pen(p, kBlue, 2);
    p.drawLine(QPointF(8, 5), QPointF(8, 13));
    qreal tip = up ? 4.5 : 13.5, wing = up ? 8 : 10;
    p.drawPolyline(QPolygonF({QPointF(5, wing), QPointF(8, tip), QPointF(11, wing)}));
}

void DrawPreviousPage(QPainter& p) {
    PageArrow(p, true);
}
void DrawNextPage(QPainter& p) {
    PageArrow(p, false);
}

void DrawFind(QPainter& p) {
    Pen(p, kInk, 2.5);
    p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
    Pen(p, kInk, 1.5);
    p.setBrush(QColor(200, 225, 255));
    p.drawEllipse(QPointF(6.5, 6.5), 5, 5);
}

void DrawEdit(QPainter& p) {
    p.translate(8, 8);
    p.rotate(45);
    Pen(p, kInk);
    p.setBrush(kFolder);
    p.drawRect(QRectF(-2, -8, 4, 10));
    p.setBrush(QColor(240, 150, 160));
    p.drawRect(QRectF(-2, -9.5, 4, 1.5));
    p.setBrush(QColor(240, 210, 170));
    p.drawPolygon(QPolygonF({QPointF(-2, 2), QPointF(2, 2), QPointF(0, 7)}));
    p.resetTransform();
}

void DrawNew(QPainter& p) {
    Sheet(p);
    Pen(p, kGreen, 2.5);
    p.drawLine(QPointF(8, 6), QPointF(8, 13));
    p.drawLine(QPointF(4.5, 9.5), QPointF(11.5, 9.5));
}

// A disk: the record is saved.
void DrawUpdate(QPainter& p) {
    Pen(p, kBlue.darker(150));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({QPointF(0.5, 0.5), QPointF(13, 0.5), QPointF(15.5, 3),
                             QPointF(15.5, 15.5), QPointF(0.5, 15.5)}));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 0.5, 9, 5));
    p.drawRect(QRectF(2.5, 9.5, 11, 6));
    p.setBrush(kBlue.darker(150));
    p.drawRect(QRectF(9, 1.5, 2, 3));
}

void DrawCancel(QPainter& p) {
    Cross(p, QRectF(3, 3, 10, 10), 3);
}

void DrawDelete(QPainter& p) {
    Pen(p, kInk);
    p.setBrush(QColor(190, 190, 190));
    p.drawPolygon(
        QPolygonF({QPointF(3, 4.5), QPointF(13, 4.5), QPointF(12, 15.5), QPointF(4, 15.5)}));
    p.drawRect(QRectF(1.5, 2.5, 13, 2));
    p.drawRect(QRectF(6, 0.5, 4, 2));
    for (qreal x : {6.0, 8.0, 10.0})
        p.drawLine(QPointF(x, 7), QPointF(x, 13.5));
}

void DrawWindow(QPainter& p) {
    Pen(p, kInk);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 1.5, 15, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRect(QRectF(1, 2, 14, 3));
    p.setBrush(QColor(204, 255, 255));
    Pen(p, kInk.lighter(200));
    p.drawRect(QRectF(5.5, 6.5, 8, 2.5));
    p.drawRect(QRectF(5.5, 10.5, 8, 2.5));
    Pen(p, kInk);
    p.drawLine(QPointF(2, 8), QPointF(4, 8));
    p.drawLine(QPointF(2, 12), QPointF(4, 12));
}

struct ButtonPicture {
    const char* themeName;
    const char* tip;
    Drawing draw;
};

constexpr std::array<ButtonPicture, 16> kPictures = {{
    {"document-open", "Open", DrawOpen},
    {"document-close", "Close", DrawClose},
    {"document-print", "Print", DrawPrint},
    {"go-first", "First Record", DrawFirst},
    {"go-previous", "Previous Record", DrawPrevious},
    {"go-jump", "Go to Record", DrawGotoRecord},
    {"go-next", "Next Record", DrawNext},
    {"go-last", "Last Record", DrawLast},
    {"go-up", "Previous Page", DrawPreviousPage},
    {"go-down", "Next Page", DrawNextPage},
    {"edit-find", "Find", DrawFind},
    {"document-edit", "Edit", DrawEdit},
    {"document-new", "New", DrawNew},
    {"document-save", "Update", DrawUpdate},
    {"dialog-cancel", "Cancel", DrawCancel},
    {"edit-delete", "Delete", DrawDelete},
}};

QIcon Render(Drawing draw) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon ToolbarIcon(int button) {
    const ButtonPicture& picture = kPictures.at(button);
    QString name = QString::fromLatin1(picture.themeName);
    return QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name) : Render(picture.draw);
}

QString ToolbarTip(int button) {
    return QString::fromLatin1(kPictures.at(button).tip);
}

// The installed program's icon when the desktop has it, so the window and the application
// menu agree; our small drawing when running from the build tree.
QIcon WindowIcon() {
    return QIcon::fromTheme(QStringLiteral("tabulo"), Render(DrawWindow));
}

} // namespace tabulo
