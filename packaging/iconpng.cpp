// Renders the program icon's SVG into a square PNG of one size, for the fixed-size folders
// of the desktop's icon theme: iconpng SOURCE.svg SIZE OUTPUT.png

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: iconpng SOURCE.svg SIZE OUTPUT.png\n");
        return 2;
    }
    const int size = std::atoi(argv[2]);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid() || size < 1) {
        std::fprintf(stderr, "iconpng: cannot render %s at size %s\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "iconpng: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
