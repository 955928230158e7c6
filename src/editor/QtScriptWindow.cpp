#include "editor/QtScriptWindow.h"

#include "browse/modBrowse.h"
#include "dialogs/QtText.h"
#include "dialogs/modDlg.h"
#include "editor/frmEdit.h"

#include <QAction>
#include <QMenu>

namespace tabulo {

std::string QtScriptWindow::ActionCaption(int n) const {
    return FromQString(window_.ActionItem(n)->text());
}

void QtScriptWindow::ShowAction(int n, const std::string& caption) {
    QAction* item = window_.ActionItem(n);
    item->setText(ToQString(caption));
    item->setVisible(true);
}

void QtScriptWindow::ShowActionsMenu() {
    window_.ActionsMenu()->menuAction()->setVisible(true);
}

void QtScriptWindow::SetDeleteEnabled(bool enabled) {
    window_.SetDeleteEnabled(enabled);
}

int32_t QtScriptWindow::ShowBrowse(const std::vector<int16_t>& columns, const DbFile& file) {
    return modBrowse::ShowBrowse(file, std::vector<int>(columns.begin(), columns.end()), &window_);
}

std::string QtScriptWindow::ShowInput(const std::string& title, const std::string& value,
                                      int maxLen, const std::string& codes) {
    return dialogs_.ShowInput({title, value, maxLen, codes});
}

void WindowScriptHost::Attach(frmEdit& window, vbs::ScriptUi& ui, Dialogs& dialogs) {
    scriptWindow_ = std::make_unique<QtScriptWindow>(window, dialogs);
    runner_ = std::make_unique<ScriptRunner>(db_, *scriptWindow_, reporter_);
    runner_->SetUi(&ui);
}

int WindowScriptHost::RunScriptProc(const std::string& name) {
    return runner_ ? runner_->RunScriptProc(name) : 0;
}

void WindowScriptHost::CloseDB() {
    if (runner_) runner_->Tb().CloseDB();
}

} // namespace tabulo
