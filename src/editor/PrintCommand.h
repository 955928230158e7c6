#pragma once
// Print: the command of the data-entry window that hands over to the print window, and the
// window's side of what printing asks of it.

#include "output/PrintView.h"

namespace tabulo {

class Dialogs;
class PrintDevice;
class Reporter;
class frmEdit;
class modDB;

// The data-entry window as the print window sees it: its client area is the form with
// the toolbar strip at the top.
class EditPrintView : public PrintView {
public:
    explicit EditPrintView(frmEdit& window) : window_(window) {}
    int CurPage() const override;
    void ShowPage(int page) override;
    void SetToolbarVisible(bool visible) override;
    QWidget& ClientArea() override;

private:
    frmEdit& window_;
};

// With records in the file, the print window shown modally over the system's printers.
void RunPrint(frmEdit& window, modDB& db, Reporter& reporter, Dialogs& dialogs);
// The same over the given printer.
void RunPrint(frmEdit& window, modDB& db, Reporter& reporter, Dialogs& dialogs,
              PrintDevice& device);

} // namespace tabulo
