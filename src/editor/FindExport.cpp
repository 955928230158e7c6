#include "editor/FindExport.h"

#include "editor/frmEdit.h"
#include "engine/modDB.h"
#include "output/frmExport.h"
#include "search/SearchTarget.h"
#include "search/frmSearch.h"

namespace tabulo {
namespace {

// The search window reaches the window's SelectedRecord and CurPage only through here.
class EditSearchTarget : public SearchTarget {
public:
    explicit EditSearchTarget(frmEdit& window) : window_(window) {}
    long SelectedRecord() const override { return window_.SelectedRecord(); }
    void SetSelectedRecord(long record) override { window_.SetSelectedRecord(record); }
    void ShowHit(long record, int page) override {
        window_.SetCurPage(page);
        window_.SetSelectedRecord(record);
        window_.ShowCurPage();
    }

private:
    frmEdit& window_;
};

} // namespace

void RunFind(frmEdit& window, modDB& db, Reporter& reporter) {
    if (db.GetRecordCount() <= 0) return;
    EditSearchTarget target(window);
    target.SetSelectedRecord(0);
    frmSearch search(db, reporter, target, &window);
    search.exec();
    window.ShowCurPage();
}

void RunExport(frmEdit& window, modDB& db, Reporter& reporter, Dialogs& dialogs) {
    frmExport exportWindow(db, reporter, dialogs, &window);
    exportWindow.exec();
}

} // namespace tabulo
