#pragma once
// The program's own file dialog: the drives, then the sub-directories and the matching files
// of one directory. "Ok" gives the directory shown and the file name box's text; "Cancel"
// and the close box give nothing. Moving between directories changes the process's current
// directory, as the platform's own directory changes do.

#include "dialogs/modDlg.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace tabulo {

class Reporter;

class frmDlgFile : public QDialog {
    Q_OBJECT
public:
    frmDlgFile(const FileRequest& request, Reporter& reporter, QWidget* parent = nullptr);

    // What "Ok" gave; nullopt until then.
    const std::optional<ChosenFile>& Result() const { return result_; }

    // The current directory as shown in txtPath: paths of 51 characters or more keep
    // their first and last 22 characters.
    static QString ShortPath(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void FillDriveList();
    void FillDirectoryList();
    void ChangeInto(const QString& path);
    void DirectoryClicked(QListWidgetItem* item);
    void DirectoryDoubleClicked(QListWidgetItem* item);
    void DriveDoubleClicked(QListWidgetItem* item);
    void Ok();

    Reporter& reporter_;
    bool saveMode_;
    std::optional<ChosenFile> result_;
    QString pattern_;
    QString current_;
    QListWidget* lstDrive_ = nullptr;
    QListWidget* lstDir_ = nullptr;
    QLabel* txtPath_ = nullptr;
    QLineEdit* txtFile_ = nullptr;
};

} // namespace tabulo
