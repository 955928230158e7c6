#include "dialogs/QtDialogRunner.h"

#include "dialogs/frmDlgClr.h"
#include "dialogs/frmDlgFile.h"
#include "dialogs/frmDlgFnt.h"
#include "dialogs/frmGetDate.h"
#include "dialogs/frmInput.h"
#include "dialogs/frmShowText.h"

namespace tabulo {
namespace {

// Each window is created for one use and gone when it closes; its result outlives it.
template <typename Window, typename... Args> auto ShowModal(Args&&... args) {
    Window window(std::forward<Args>(args)...);
    window.exec();
    return window.Result();
}

} // namespace

std::optional<ChosenFile> QtDialogRunner::ChooseFile(const FileRequest& request) {
    return ShowModal<frmDlgFile>(request, reporter_, parent_);
}
std::optional<std::string> QtDialogRunner::PickDate(const DateRequest& request) {
    return ShowModal<frmGetDate>(request, parent_);
}
std::optional<std::string> QtDialogRunner::Input(const InputRequest& request) {
    return ShowModal<frmInput>(request, parent_);
}
std::optional<uint32_t> QtDialogRunner::PickColor(uint32_t colour) {
    return ShowModal<frmDlgClr>(colour, parent_);
}
std::optional<FontChoice> QtDialogRunner::PickFont(const std::string& title,
                                                   const FontChoice& start) {
    return ShowModal<frmDlgFnt>(title, start, parent_);
}
void QtDialogRunner::ShowText(frmShowText& viewer) {
    viewer.exec();
}

} // namespace tabulo
