#include "search/frmSearch.h"

#include "dialogs/FieldList.h"
#include "dialogs/QtText.h"
#include "dialogs/Twips.h"
#include "engine/DBHeader.h"
#include "engine/Reporter.h"
#include "engine/modDB.h"
#include "search/RecordSearch.h"
#include "search/SearchTarget.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tabulo {

frmSearch::frmSearch(modDB& db, Reporter& reporter, SearchTarget& target, QWidget* parent)
    : QDialog(parent), db_(db), reporter_(reporter), target_(target) {
    setObjectName("frmSearch");
    setWindowTitle("Find");
    const Twips twips = Twips::FromScreen();
    setFixedSize(twips.ToPixels(QSize(5175, 2700)));
    auto place = [&](QWidget* control, const char* name, QRect twipsRect) {
        control->setObjectName(name);
        control->setGeometry(twips.ToPixels(twipsRect));
    };
    place(new QLabel("For", this), "Label1", {60, 120, 285, 195});
    place(searchStr_ = new QLineEdit(this), "SearchStr", {420, 120, 4455, 255});
    place(new QLabel("In", this), "Label2", {120, 420, 180, 195});
    place(fldList_ = new QListWidget(this), "FldList", {420, 420, 4455, 1860});
    place(btnSearch_ = new QPushButton("Search", this), "BtnSearch", {1620, 2340, 975, 255});
    place(btnCancel_ = new QPushButton("Cancel", this), "BtnCancel", {2700, 2340, 975, 255});
    FillFieldList(*fldList_, db_);
    // Enter presses Search wherever the focus is; Cancel reacts to a click, Space or Escape.
    btnCancel_->setAutoDefault(false);
    btnSearch_->setAutoDefault(false);
    btnSearch_->setDefault(true);
    connect(btnSearch_, &QPushButton::clicked, this, &frmSearch::SearchStep);
    connect(btnCancel_, &QPushButton::clicked, this, &frmSearch::reject);
}

void frmSearch::SearchStep() {
    const std::string text = SearchText(FromQString(searchStr_->text()));
    searchStr_->setText(ToQString(text));
    const std::vector<int> fields = SelectedFieldNumbers(*fldList_);
    if (text.empty() || fields.empty()) return;
    SetInputsEnabled(false);
    const std::optional<SearchHit> hit = FindNextHit(db_, fields, text, target_.SelectedRecord());
    if (!hit) return ShowNoMoreRecords();
    DBField def;
    db_.GetFieldDef(hit->field, def);
    target_.ShowHit(hit->record, def.Page);
    btnSearch_->setText("Again");
    btnSearch_->setEnabled(true);
    btnSearch_->setFocus();
}

void frmSearch::ShowNoMoreRecords() {
    reporter_.Message("Tabulo", "No more records.", MsgIcon::None);
    target_.SetSelectedRecord(db_.GetRecordCount());
    accept();
}

// Search text and field list stay fixed once a step has run; only the button comes back.
void frmSearch::SetInputsEnabled(bool enabled) {
    searchStr_->setEnabled(enabled);
    fldList_->setEnabled(enabled);
    btnSearch_->setEnabled(enabled);
}

void frmSearch::reject() {
    target_.SetSelectedRecord(db_.GetRecordNo());
    QDialog::reject();
}

} // namespace tabulo
