// frmEdit: the entries of the Actions menu, each running the script procedure it names.

#include "dialogs/QtText.h"
#include "editor/frmEdit.h"
#include "engine/DBHeader.h"

#include <QAction>

namespace tabulo {

// The procedure sees what is on the screen, and what it set shows at once; the record
// itself is saved only by Update.
void frmEdit::RunAction(int n) {
    if (packing_) return;
    const std::string name = TrimSpaces(FromQString(ActionItem(n)->text()));
    if (name.empty()) return;
    Form2Record();
    script_.RunScriptProc(name);
    ShowCurPage();
}

} // namespace tabulo
