#include "QtDialogRunner.h"

#include "frmDlgFile.h"
#include "frmGetDate.h"
#include "frmInput.h"
#include "frmShowText.h"

namespace tabulo {

void QtDialogRunner::RunFileDialog() {
    frmDlgFile dialog(reporter_, parent_);
    dialog.exec();
}

void QtDialogRunner::RunDatePicker() {
    frmGetDate dialog(parent_);
    dialog.exec();
}

void QtDialogRunner::RunInputBox() {
    frmInput dialog(parent_);
    dialog.exec();
}

void QtDialogRunner::RunTextViewer(frmShowText& viewer) {
    viewer.exec();
}

} // namespace tabulo
