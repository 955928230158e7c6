#pragma once
// The font picker: a name, a size and the bold and italic styles, under a caption that
// defaults to "Select Font". "Ok" gives the choice; "Cancel" gives nothing.

#include "dialogs/modDlg.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QListWidget;

namespace tabulo {

class frmDlgFnt : public QDialog {
    Q_OBJECT
public:
    frmDlgFnt(const std::string& title, const FontChoice& start, QWidget* parent = nullptr);

    // The font chosen with "Ok" (bold and italic 1 or 0); nullopt until then.
    const std::optional<FontChoice>& Result() const { return result_; }

private:
    void Ok();

    QListWidget* lstFN_;
    QListWidget* lstFS_;
    QCheckBox* chkBold_;
    QCheckBox* chkItalic_;
    std::optional<FontChoice> result_;
};

} // namespace tabulo
