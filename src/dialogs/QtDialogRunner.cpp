#include "dialogs/QtDialogRunner.h"

#include "dialogs/frmDlgClr.h"
#include "dialogs/frmDlgFile.h"
#include "dialogs/frmDlgFnt.h"
#include "dialogs/frmGetDate.h"
#include "dialogs/frmInput.h"
#include "dialogs/frmShowText.h"

namespace tabulo {
namespace {

// Each window is created for one use and gone when it closes.
template <typename Window, typename... Args> void ShowModal(Args&&... args) {
    Window window(std::forward<Args>(args)...);
    window.exec();
}

} // namespace

void QtDialogRunner::RunFileDialog() {
    ShowModal<frmDlgFile>(reporter_, parent_);
}
void QtDialogRunner::RunDatePicker() {
    ShowModal<frmGetDate>(parent_);
}
void QtDialogRunner::RunInputBox() {
    ShowModal<frmInput>(parent_);
}
void QtDialogRunner::RunColorPicker() {
    ShowModal<frmDlgClr>(parent_);
}
void QtDialogRunner::RunFontPicker() {
    ShowModal<frmDlgFnt>(parent_);
}
void QtDialogRunner::RunTextViewer(frmShowText& viewer) {
    viewer.exec();
}

} // namespace tabulo
