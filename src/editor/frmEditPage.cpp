// frmEdit: laying out the current page and moving text between the record buffer and it.

#include "dialogs/QtText.h"
#include "editor/Toolbar.h"
#include "editor/frmEdit.h"
#include "engine/modDB.h"

#include <QMenu>

namespace tabulo {

std::string frmEdit::RECNO() {
    if (addFlag_) return "NEW";
    long count = db_.GetRecordCount();
    long number = 0;
    int deleted = 0;
    if (count > 0) {
        number = db_.GetRecordNo();
        deleted = db_.IsDeleted();
    }
    // Each number is preceded by the blank where a negative number's sign would go.
    std::string caption = " " + std::to_string(number) + " / " + std::to_string(count);
    if (deleted == -1) caption += "*";
    if (db_.IsReadOnly()) caption += " read-only";
    return caption;
}

void frmEdit::ShowCurPage() {
    // No input reaches the form, and nothing is painted, while it is rearranged.
    form_->setUpdatesEnabled(false);
    form_->setEnabled(false);
    form_->Toolbar()->SetRecordCaption(ToQString(RECNO()));
    mnuPage_->setTitle(ToQString(db_.GetPageHeading(curPage_)));
    for (int p = 1; p <= kMaxPages; ++p) {
        QAction* heading = mnuPageHeading_.at(p - 1);
        heading->setText(ToQString(db_.GetPageHeading(p)));
        heading->setVisible(p <= db_.GetPageCount());
    }
    int first = form_->LayOutPage(db_.Header(), curPage_, mode_ == WindowMode::Editing);
    Record2Form();
    form_->setEnabled(true);
    form_->setUpdatesEnabled(true);
    if (first != 0) form_->Field(first)->setFocus();
}

void frmEdit::Record2Form() {
    form_->Record2Form(db_);
}
void frmEdit::Form2Record() {
    form_->Form2Record(db_);
}

} // namespace tabulo
