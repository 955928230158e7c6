#pragma once
// The input box: one line of text under a question, limited by a mask of key-filter codes.
// Reads DlgTitle, DlgValue, DlgMaxLen and DlgMask when it opens; "Ok" leaves the trimmed
// answer in DlgValue, the close box leaves DlgValue as it was. Escape does nothing.

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tabulo {

class frmInput : public QDialog {
    Q_OBJECT
public:
    explicit frmInput(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Accept();

    QLineEdit* txtStr_;
    QPushButton* cmdOK_;
};

} // namespace tabulo
