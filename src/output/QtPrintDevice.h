#pragma once
// The print device on the system's print service (QPrinterInfo, QPrinter) or a PDF file.
// A page is the widget rendered as vectors (QWidget::render), scaled to fit the printable
// area with its proportions kept and centred at the top.

#include "output/PrintDevice.h"

#include <QPainter>
#include <memory>

class QPrinter;

namespace tabulo {

class QtPrintDevice : public PrintDevice {
public:
    QtPrintDevice();
    ~QtPrintDevice() override;

    QStringList Printers() override;
    QString DefaultPrinter() override;
    bool Select(const PrintTarget& target) override;
    bool SetOrientation(PageOrientation orientation) override;
    bool Begin() override;
    bool PrintPage(QWidget& area) override;
    bool End() override;

private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    bool pageStarted_ = false;
};

} // namespace tabulo
