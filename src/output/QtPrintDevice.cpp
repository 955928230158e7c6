#include "output/QtPrintDevice.h"

#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>

namespace tabulo {

QtPrintDevice::QtPrintDevice() = default;
QtPrintDevice::~QtPrintDevice() {
    if (painter_.isActive()) painter_.end();
}

QStringList QtPrintDevice::Printers() {
    return QPrinterInfo::availablePrinterNames();
}

QString QtPrintDevice::DefaultPrinter() {
    return QPrinterInfo::defaultPrinterName();
}

// Screen resolution keeps the widget's fonts at the size they have on screen; text and
// lines still go to the printer and into the PDF as vectors.
bool QtPrintDevice::Select(const PrintTarget& target) {
    if (painter_.isActive()) return false;
    if (!target.pdfFile.isEmpty()) {
        printer_ = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(target.pdfFile);
    } else {
        const QPrinterInfo info = QPrinterInfo::printerInfo(target.printer);
        if (info.isNull()) return false;
        printer_ = std::make_unique<QPrinter>(info, QPrinter::ScreenResolution);
    }
    printer_->setDocName(QStringLiteral("Tabulo"));
    return printer_->isValid();
}

bool QtPrintDevice::SetOrientation(PageOrientation orientation) {
    return printer_ && printer_->setPageOrientation(orientation == PageOrientation::Landscape
                                                        ? QPageLayout::Landscape
                                                        : QPageLayout::Portrait);
}

bool QtPrintDevice::Begin() {
    pageStarted_ = false;
    return printer_ && painter_.begin(printer_.get());
}

bool QtPrintDevice::PrintPage(QWidget& area) {
    if (!painter_.isActive() || area.width() <= 0 || area.height() <= 0) return false;
    if (pageStarted_ && !printer_->newPage()) return false;
    pageStarted_ = true;
    // The painter's origin is the printable area's top-left corner.
    const double scale = std::min(double(printer_->width()) / area.width(),
                                  double(printer_->height()) / area.height());
    // Rendered straight onto a printer, a widget becomes one bitmap; recorded as a picture
    // first, its text and lines stay text and lines.
    QPicture picture;
    QPainter recorder(&picture);
    area.render(&recorder, QPoint(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();
    painter_.save();
    painter_.translate((printer_->width() - area.width() * scale) / 2, 0);
    painter_.scale(scale, scale);
    painter_.drawPicture(0, 0, picture);
    painter_.restore();
    return true;
}

bool QtPrintDevice::End() {
    return painter_.isActive() && painter_.end();
}

} // namespace tabulo
