#include "QtDialogRunner.h"

#include "frmDlgClr.h"
#include "frmDlgFile.h"
#include "frmDlgFnt.h"
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

void QtDialogRunner::RunColorPicker() {
    frmDlgClr dialog(parent_);
    dialog.exec();
}

void QtDialogRunner::RunFontPicker() {
    frmDlgFnt dialog(parent_);
    dialog.exec();
}

void QtDialogRunner::RunTextViewer(frmShowText& viewer) {
    viewer.exec();
}

} // namespace tabulo
