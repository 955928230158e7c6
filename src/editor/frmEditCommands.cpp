// frmEdit: the command dispatch, the navigation commands and the mouse on the form.

#include "dialogs/QtText.h"
#include "dialogs/frmProgress.h"
#include "dialogs/frmShowText.h"
#include "dialogs/modDlg.h"
#include "editor/FindExport.h"
#include "editor/InputGate.h"
#include "editor/Links.h"
#include "editor/PrintCommand.h"
#include "editor/frmEdit.h"
#include "engine/modDB.h"

#include <QCursor>
#include <QMenu>
#include <QPlainTextEdit>

namespace tabulo {

void frmEdit::Run(Command command) {
    if (packing_) return; // what the pack's gate let through still does nothing
    switch (command) {
    case Command::Open:
        return OpenFromDialog();
    case Command::Close:
        return CloseCommand();
    case Command::Exit:
        close();
        return;
    case Command::Edit:
        return EditRecord();
    case Command::Cancel:
        return CancelUpdate();
    case Command::FirstRecord:
        return GoToRecord(&modDB::GotoFirstRecord);
    case Command::LastRecord:
        return GoToRecord(&modDB::GotoLastRecord);
    case Command::NextRecord:
        return GoToRecord(&modDB::GotoNextRecord);
    case Command::PreviousRecord:
        return GoToRecord(&modDB::GotoPreviousRecord);
    case Command::NextPage:
        return TurnToPage(curPage_ + 1);
    case Command::PreviousPage:
        return TurnToPage(curPage_ - 1);
    case Command::Contents:
        return services_.ShowHelpContents(this);
    case Command::About:
        return services_.ShowAbout(this);
    case Command::Pack:
        return PackCommand();
    case Command::Update:
        return UpdateRecord();
    case Command::New:
        return NewRecord();
    case Command::Duplicate:
        return DuplicateRecord();
    case Command::Delete:
        return DeleteCurrentRecord();
    case Command::Time:
        return InsertTime();
    case Command::Date:
        return InsertDate();
    case Command::GotoRecord:
        return GotoRecordFromGrid();
    case Command::Find:
        return RunFind(*this, db_, reporter_);
    case Command::Export:
        return RunExport(*this, db_, reporter_, dialogs_);
    case Command::Print:
        return RunPrint(*this, db_, reporter_, dialogs_);
    }
}

void frmEdit::GoToRecord(int (modDB::*step)()) {
    if ((db_.*step)() == 1) ShowCurPage();
}

// The next-page, previous-page and page-menu commands: the boxes of the page being left
// go into the buffer first, so that what was typed there survives.
void frmEdit::TurnToPage(int page) {
    if (page < 1 || page > db_.GetPageCount() || page == curPage_) return;
    Form2Record();
    curPage_ = page;
    ShowCurPage();
}

void frmEdit::EditRecord() {
    EditMode();
    ShowCurPage();
}

void frmEdit::CancelUpdate() {
    if (db_.GetRecordNo() == 0)
        db_.ClearRecord();
    else
        db_.ReadRecord();
    addFlag_ = false;
    BrowseMode();
    ShowCurPage();
}

// Pack asks, shows its progress and reopens the packed file; the page is shown again
// whatever the outcome, unless the packed file could not be opened again: the window then
// closes the database as Close does. The pack lets the window's events run, but no input
// reaches the window meanwhile: a command could write through the pack's lock or close the
// file it reads.
void frmEdit::PackCommand() {
    if (!IsDatabaseOpen()) return;
    setCursor(Qt::WaitCursor);
    {
        const InputGate gate(this);
        packing_ = true;
        frmProgress progress(this);
        db_.PackRecords(progress);
        packing_ = false;
    }
    unsetCursor();
    if (IsDatabaseOpen())
        ShowCurPage();
    else
        CloseCommand();
}

void frmEdit::ShowPopupGoto(const QPoint& globalPos) {
    mnuGoto_->popup(globalPos);
}

void frmEdit::DummyClick(int slot) {
    DBField def;
    if (db_.GetFieldDef(slot, def) == 0) return;
    DummyLabel* label = form_->Dummy(slot);
    ClickAction action = ClickActionFor(LinkKindOf(def.Format), label->text());
    if (action.kind == ClickAction::OpenAddress) {
        services_.OpenDocument(this, action.address);
    } else if (action.kind == ClickAction::ShowText) {
        ShowFullText(def, *label);
    }
}

// The viewer opens at the pointer with the label's size, colours and font, on a copy of
// the text.
void frmEdit::ShowFullText(const DBField& def, const DummyLabel& label) {
    frmShowText viewer(this);
    viewer.setWindowTitle(ToQString(TrimSpaces(def.Name)));
    viewer.move(QCursor::pos());
    viewer.resize(label.size());
    QPlainTextEdit* text = viewer.Text1();
    text->setPlainText(label.text());
    QPalette palette = text->palette();
    palette.setColor(QPalette::Base, label.palette().color(QPalette::Window));
    palette.setColor(QPalette::Text, label.palette().color(QPalette::WindowText));
    text->setPalette(palette);
    text->setFont(label.font());
    dialogs_.ShowText(viewer);
}

} // namespace tabulo
