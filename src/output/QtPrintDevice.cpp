#include "output/QtPrintDevice.h"

#include "dialogs/QtText.h"
#include "engine/PartFile.h"

#include <QGuiApplication>
#include <QIODevice>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tabulo {

// The PDF writer's output: the bytes go to a PartFile, which puts the file in place on
// Commit. A failed write is answered -1, and the file stays failed.
class QtPrintDevice::PdfFile : public QIODevice {
public:
    PdfFile(FileSystem& fs, const QString& path) : part_(fs, ToFilePath(path)) {
        open(QIODevice::WriteOnly);
    }
    bool Good() const { return part_.Good(); }
    bool Commit() { return part_.Commit(); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override {
        part_.Write({data, static_cast<size_t>(length)});
        return part_.Good() ? length : -1;
    }

private:
    PartFile part_;
};

QtPrintDevice::QtPrintDevice(FileSystem& fs) : fs_(fs) {
}
QtPrintDevice::~QtPrintDevice() {
    if (painter_.isActive()) painter_.end();
}

QPagedPaintDevice* QtPrintDevice::Paper() const {
    if (pdf_) return pdf_.get();
    return printer_.get();
}

bool QtPrintDevice::PdfFailed() const {
    return pdfFile_ && !pdfFile_->Good();
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
    pdf_.reset();
    pdfFile_.reset();
    printer_.reset();
    if (!target.pdfFile.isEmpty()) {
        // The page a PDF printer would have, at the screen's resolution.
        QPrinter pdfPrinter(QPrinter::ScreenResolution);
        pdfPrinter.setOutputFormat(QPrinter::PdfFormat);
        pdfFile_ = std::make_unique<PdfFile>(fs_, target.pdfFile);
        pdf_ = std::make_unique<QPdfWriter>(pdfFile_.get());
        const QScreen* screen = QGuiApplication::primaryScreen();
        pdf_->setResolution(screen ? qRound(screen->logicalDotsPerInch()) : 96);
        pdf_->setPageLayout(pdfPrinter.pageLayout());
        pdf_->setTitle(QStringLiteral("Tabulo"));
        if (pdfFile_->Good()) return true;
        pdf_.reset();
        pdfFile_.reset();
        return false;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(target.printer);
    if (info.isNull()) return false;
    printer_ = std::make_unique<QPrinter>(info, QPrinter::ScreenResolution);
    printer_->setDocName(QStringLiteral("Tabulo"));
    return printer_->isValid();
}

bool QtPrintDevice::SetOrientation(PageOrientation orientation) {
    return Paper() && Paper()->setPageOrientation(orientation == PageOrientation::Landscape
                                                      ? QPageLayout::Landscape
                                                      : QPageLayout::Portrait);
}

bool QtPrintDevice::Begin() {
    pageStarted_ = false;
    return Paper() && painter_.begin(Paper()) && !PdfFailed();
}

bool QtPrintDevice::PrintPage(QWidget& area) {
    QPagedPaintDevice* paper = Paper();
    if (!painter_.isActive() || PdfFailed() || area.width() <= 0 || area.height() <= 0)
        return false;
    if (pageStarted_ && !paper->newPage()) return false;
    pageStarted_ = true;
    // The painter's origin is the printable area's top-left corner.
    const double scale =
        std::min(double(paper->width()) / area.width(), double(paper->height()) / area.height());
    // Rendered straight onto a printer, a widget becomes one bitmap; recorded as a picture
    // first, its text and lines stay text and lines.
    QPicture picture;
    QPainter recorder(&picture);
    area.render(&recorder, QPoint(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();
    painter_.save();
    painter_.translate((paper->width() - area.width() * scale) / 2, 0);
    painter_.scale(scale, scale);
    painter_.drawPicture(0, 0, picture);
    painter_.restore();
    return true;
}

// A PDF file takes its name only now, and only when all of it was written.
bool QtPrintDevice::End() {
    const bool ended = painter_.isActive() && painter_.end();
    if (!pdfFile_) return ended;
    const bool committed = ended && pdfFile_->Commit();
    pdf_.reset();
    pdfFile_.reset(); // removes the temporary file when it was not put in place
    return committed;
}

} // namespace tabulo
