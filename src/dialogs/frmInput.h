#pragma once
// The input box: one line of text under a question, limited by a mask of key-filter codes.
// "Ok" gives the trimmed answer, the close box gives nothing. Escape does nothing.

#include "dialogs/modDlg.h"

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace tabulo {

class frmInput : public QDialog {
    Q_OBJECT
public:
    explicit frmInput(const InputRequest& request, QWidget* parent = nullptr);

    // The text accepted with "Ok"; nullopt until then.
    const std::optional<std::string>& Result() const { return result_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Accept();

    QLineEdit* txtStr_;
    QPushButton* cmdOK_;
    std::optional<std::string> result_;
};

} // namespace tabulo
