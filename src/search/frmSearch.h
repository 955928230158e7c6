#pragma once
// frmSearch ("Find"): the text to look for and the fields to look in. "Search" shows the next
// record, after the data-entry window's SelectedRecord, in which one of the selected fields
// contains the text; the window stays open and its button reads "Again". Past the last
// record it says "No more records." and closes. Cancel, Escape and the close box keep the
// record reached as the place where the next Find goes on.

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tabulo {

class modDB;
class Reporter;
class SearchTarget;

class frmSearch : public QDialog {
    Q_OBJECT
public:
    frmSearch(modDB& db, Reporter& reporter, SearchTarget& target, QWidget* parent = nullptr);

    QLineEdit* SearchStr() const { return searchStr_; }
    QListWidget* FldList() const { return fldList_; }
    QPushButton* BtnSearch() const { return btnSearch_; }
    QPushButton* BtnCancel() const { return btnCancel_; }

public slots:
    void reject() override;

private:
    void SearchStep();
    void ShowNoMoreRecords();
    void SetInputsEnabled(bool enabled);

    modDB& db_;
    Reporter& reporter_;
    SearchTarget& target_;
    QLineEdit* searchStr_;
    QListWidget* fldList_;
    QPushButton* btnSearch_;
    QPushButton* btnCancel_;
};

} // namespace tabulo
