#pragma once
// The font picker: a name, a size and the bold and italic styles. Reads its starting values
// and its caption (DlgTitle) from modDlg; "Ok" writes the choice back, "Cancel" leaves the
// values as they were.

#include <QDialog>

class QCheckBox;
class QListWidget;

namespace tabulo {

class frmDlgFnt : public QDialog {
    Q_OBJECT
public:
    explicit frmDlgFnt(QWidget* parent = nullptr);

private:
    void Ok();

    QListWidget* lstFN_;
    QListWidget* lstFS_;
    QCheckBox* chkBold_;
    QCheckBox* chkItalic_;
};

} // namespace tabulo
