// frmEdit: the commands that change the record: Update, New, Duplicate, Delete, the Date
// and Time insertions, and Goto record through the browse grid.

#include "browse/modBrowse.h"
#include "dialogs/QtText.h"
#include "editor/FieldInput.h"
#include "editor/frmEdit.h"
#include "editor/rules/NumberedAppend.h"
#include "editor/rules/UpdateChecks.h"
#include "engine/modDB.h"

namespace tabulo {

namespace {

constexpr std::chrono::milliseconds kUpdatePatience{500};

constexpr const char* kDeleteQuestion =
    "This will mark the record for permanent deletion,\r\nAre you sure?";

bool HasAnyOf(const std::string& format, const char* codes) {
    return format.find_first_of(codes) != std::string::npos;
}

} // namespace

void frmEdit::AttachFieldInput() {
    input_ = new FieldInput(db_, dialogs_, this);
    for (int slot = 1; slot <= kMaxFields; ++slot)
        input_->Attach(form_->Field(slot));
}

// The checks first (a failure turns to the field and keeps the window in edit mode), then
// the script's veto, then the write or the append. A save that fails (the engine has said
// why) also keeps the window in edit mode with what was typed, so that Update can be
// pressed again.
void frmEdit::UpdateRecord() {
    Form2Record();
    EngineFields<modDB> fields(db_);
    if (const std::optional<UpdateFailure> failure = RunUpdateChecks(fields, addFlag_)) {
        ReportUpdateFailure(reporter_, *failure);
        curPage_ = failure->Page;
        ShowCurPage();
        FocusField(failure->Field);
        return;
    }
    if (script_.RunScriptProc("Update") != 0) return;
    if (!SaveRecord()) return;
    addFlag_ = false;
    BrowseMode();
    ShowCurPage();
}

// Another copy of the program holds the file's lock for a moment at a time: the save waits
// for it a little. A rewrite that another copy's pack made impossible has reopened the
// database: the buffer holds the reopened record, and browse mode shows it.
bool frmEdit::SaveRecord() {
    const unsigned long opened = db_.OpenCount();
    const std::chrono::milliseconds before = db_.SetLockPatience(kUpdatePatience);
    int saved = 1;
    if (addFlag_)
        saved = AddNumberedRecord(db_);
    else if (db_.GetRecordCount() > 0)
        saved = db_.WriteRecord();
    db_.SetLockPatience(before);
    return saved == 1 || (!addFlag_ && db_.OpenCount() != opened);
}

// The box of the field gets the focus when it is shown; a field shown as a label gets none.
void frmEdit::FocusField(int field) {
    if (field < 1 || field > db_.GetFieldCount()) return;
    FieldBox* box = form_->Field(field);
    if (!box->isHidden()) box->setFocus();
}

void frmEdit::NewRecord() {
    db_.ClearRecord();
    StartNewRecord();
}

// The copy keeps every value but the record number ("#") and the read-only fields ("="),
// which belong to the record they came from.
void frmEdit::DuplicateRecord() {
    for (int n = 1; n <= db_.GetFieldCount(); ++n) {
        DBField def;
        if (db_.GetFieldDef(n, def) != 0 && HasAnyOf(def.Format, "#=")) db_.WriteField(n, "");
    }
    StartNewRecord();
}

void frmEdit::StartNewRecord() {
    addFlag_ = true;
    curPage_ = 1;
    EditMode();
    ShowCurPage();
}

void frmEdit::DeleteCurrentRecord() {
    if (!deleteEnabled_) {
        reporter_.Message("Delete Record", "Deletion is not allowed", MsgIcon::Critical);
        return;
    }
    if (!reporter_.Ask("DELETE", kDeleteQuestion, MsgIcon::Critical, true)) return;
    db_.DeleteRecord();
    ShowCurPage();
}

void frmEdit::InsertDate() {
    TypeIntoFocus(ToQString(DateText(input_->Now(), db_.GetDateOrder())));
}

void frmEdit::InsertTime() {
    TypeIntoFocus(ToQString(TimeText(input_->Now())));
}

// The grid lists every field not marked "H"; the record picked becomes the current one.
void frmEdit::GotoRecordFromGrid() {
    const DbFile* file = db_.GetFile();
    if (file == nullptr || db_.GetRecordCount() == 0) return;
    selectedRecord_ = modBrowse::ShowGotoRecord(*file, db_.Header(), this);
    if (selectedRecord_ == 0) return;
    db_.SetRecordNo(selectedRecord_);
    ShowCurPage();
}

} // namespace tabulo
