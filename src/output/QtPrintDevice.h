#pragma once
// The print device on the system's print service (QPrinterInfo, QPrinter) or a PDF file.
// A page is the widget rendered as vectors (QWidget::render), scaled to fit the printable
// area with its proportions kept and centred at the top. A PDF file is written under a
// temporary name and takes its own name only when every write, the flush and the close
// succeeded; on a failure no file is left and the job reports it.

#include "engine/FileSystem.h"
#include "output/PrintDevice.h"

#include <QPainter>
#include <memory>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace tabulo {

class QtPrintDevice : public PrintDevice {
public:
    // A PDF file is written on fs.
    explicit QtPrintDevice(FileSystem& fs);
    ~QtPrintDevice() override;

    QStringList Printers() override;
    QString DefaultPrinter() override;
    bool Select(const PrintTarget& target) override;
    bool SetOrientation(PageOrientation orientation) override;
    bool Begin() override;
    bool PrintPage(QWidget& area) override;
    bool End() override;

private:
    class PdfFile;
    // The device painted on: the printer or the PDF writer; nullptr before Select.
    QPagedPaintDevice* Paper() const;
    bool PdfFailed() const;

    FileSystem& fs_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PdfFile> pdfFile_;
    std::unique_ptr<QPdfWriter> pdf_;
    QPainter painter_;
    bool pageStarted_ = false;
};

} // namespace tabulo
