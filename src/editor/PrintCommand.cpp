#include "editor/PrintCommand.h"

#include "editor/Toolbar.h"
#include "editor/frmEdit.h"
#include "engine/modDB.h"
#include "output/QtPrintDevice.h"
#include "output/frmPrint.h"

namespace tabulo {

int EditPrintView::CurPage() const {
    return window_.CurPage();
}

void EditPrintView::ShowPage(int page) {
    window_.SetCurPage(page);
    window_.ShowCurPage();
}

void EditPrintView::SetToolbarVisible(bool visible) {
    window_.Form()->Toolbar()->setVisible(visible);
}

QWidget& EditPrintView::ClientArea() {
    return *window_.Form();
}

void RunPrint(frmEdit& window, modDB& db, Reporter& reporter, Dialogs& dialogs) {
    QtPrintDevice device(db.GetFileSystem());
    RunPrint(window, db, reporter, dialogs, device);
}

void RunPrint(frmEdit& window, modDB& db, Reporter& reporter, Dialogs& dialogs,
              PrintDevice& device) {
    if (db.GetRecordCount() <= 0) return;
    EditPrintView view(window);
    frmPrint print(db, reporter, dialogs, device, view, &window);
    print.exec();
}

} // namespace tabulo
