#pragma once
// The printer as the print window uses it: the installed printers, the default one, and a
// print job of whole pages, each page one image of a widget. The program's object talks to
// the system's print service (QtPrintDevice); tests put in a recorder, so no test needs a
// printer. Every step answers false when the printer failed.

#include <QString>
#include <QStringList>

class QWidget;

namespace tabulo {

enum class PageOrientation { Portrait = 1, Landscape = 2 };

// Where the pages go: an installed printer by its device name, or a PDF file when pdfFile
// is not empty.
struct PrintTarget {
    QString printer;
    QString pdfFile;
};

class PrintDevice {
public:
    virtual ~PrintDevice() = default;
    // The device names of the installed printers, in the system's order.
    virtual QStringList Printers() = 0;
    // Empty when the system has no default printer.
    virtual QString DefaultPrinter() = 0;
    virtual bool Select(const PrintTarget& target) = 0;
    virtual bool SetOrientation(PageOrientation orientation) = 0;
    virtual bool Begin() = 0;
    // One page showing the widget as it is drawn now.
    virtual bool PrintPage(QWidget& area) = 0;
    // Ends the job; the pages printed so far are sent.
    virtual bool End() = 0;
};

} // namespace tabulo
