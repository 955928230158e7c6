#include "dialogs/frmDlgClr.h"

#include "dialogs/MaskedKeys.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tabulo {
namespace {

constexpr int kLevels[] = {0, 51, 102, 153, 204, 255};
constexpr int kColumns = 16;
constexpr int kSwatchSize = 17; // pixels; neighbours share their border line
constexpr QPoint kFirstSwatch(8, 8);

uint32_t Rgb(int r, int g, int b) {
    return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16;
}

QString SwatchStyle(uint32_t colour) {
    return QString("QLabel { background-color: rgb(%1, %2, %3); border: 1px solid black; }")
        .arg(colour & 0xFF)
        .arg(colour >> 8 & 0xFF)
        .arg(colour >> 16 & 0xFF);
}

} // namespace

frmDlgClr::frmDlgClr(uint32_t colour, QWidget* parent) : QDialog(parent), start_(colour) {
    setWindowTitle("Color");
    CreateSwatches();
    const int below = kFirstSwatch.y() + 14 * (kSwatchSize - 1) + 12;

    auto* label1 = new QLabel("Color ( Hex )", this);
    label1->setObjectName("Label1");
    label1->setGeometry(kFirstSwatch.x(), below + 4, 90, 20);
    txtClr_ = new QLineEdit(ClrHex(start_), this);
    txtClr_->setObjectName("txtClr");
    txtClr_->setMaxLength(6);
    txtClr_->setGeometry(kFirstSwatch.x() + 95, below, 70, 26);
    FilterTypedKeys(txtClr_, "XU");

    auto* cmdOK = new QPushButton("Ok", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(kFirstSwatch.x(), below + 36, 80, 28);
    connect(cmdOK, &QPushButton::clicked, this, &frmDlgClr::Ok);
    auto* cmdCancel = new QPushButton("Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setGeometry(kFirstSwatch.x() + 95, below + 36, 80, 28);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(2 * kFirstSwatch.x() + kColumns * (kSwatchSize - 1) + 1, below + 72);
}

QString frmDlgClr::ClrHex(uint32_t colour) {
    return QString::number(colour, 16).toUpper().rightJustified(6, '0').right(6);
}

// Red outermost, blue innermost, 16 to a row; each swatch overlaps its neighbour's border.
void frmDlgClr::CreateSwatches() {
    auto* pattern = new QLabel(this);
    pattern->setObjectName("lblClr0");
    pattern->setGeometry(QRect(kFirstSwatch, QSize(kSwatchSize, kSwatchSize)));
    pattern->hide();
    swatches_.push_back(pattern);
    swatchColours_.push_back(0);
    for (int r : kLevels)
        for (int g : kLevels)
            for (int b : kLevels) {
                const int k = static_cast<int>(swatches_.size());
                const int col = (k - 1) % kColumns;
                const int row = (k - 1) / kColumns;
                auto* swatch = new QLabel(this);
                swatch->setObjectName(QString("lblClr%1").arg(k));
                swatch->setGeometry(kFirstSwatch.x() + col * (kSwatchSize - 1),
                                    kFirstSwatch.y() + row * (kSwatchSize - 1), kSwatchSize,
                                    kSwatchSize);
                swatch->setStyleSheet(SwatchStyle(Rgb(r, g, b)));
                swatch->installEventFilter(this);
                swatches_.push_back(swatch);
                swatchColours_.push_back(Rgb(r, g, b));
            }
}

bool frmDlgClr::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        for (size_t k = 1; k < swatches_.size(); ++k)
            if (swatches_[k] == watched) txtClr_->setText(ClrHex(swatchColours_[k]));
    }
    return QDialog::eventFilter(watched, event);
}

// The text is the colour's value in hexadecimal; an empty text keeps the colour.
void frmDlgClr::Ok() {
    bool valid = false;
    const uint32_t value = txtClr_->text().toUInt(&valid, 16);
    result_ = valid ? value & 0xFFFFFF : start_;
    accept();
}

} // namespace tabulo
