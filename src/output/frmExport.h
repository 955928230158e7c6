#pragma once
// frmExport ("Export"): the fields to export, "Select All", and "Export", which asks for
// the file in the Save As dialog, writes it and closes the window whatever the outcome.

#include "base/FilePath.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace tabulo {

class Dialogs;
class modDB;
class Reporter;

class frmExport : public QDialog {
    Q_OBJECT
public:
    frmExport(modDB& db, Reporter& reporter, Dialogs& dialogs, QWidget* parent = nullptr);

    QListWidget* lstField() const { return lstField_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* btnExport() const { return btnExport_; }

private:
    void SelectAll();
    void Export();
    void WriteFile(const FilePath& path);

    modDB& db_;
    Reporter& reporter_;
    Dialogs& dialogs_;
    QListWidget* lstField_;
    QPushButton* command1_;
    QPushButton* btnExport_;
};

// The Save As dialog for the export file ("*.Csv"): the chosen path as the user typed it,
// or empty when the dialog was cancelled.
FilePath AskExportFile(Dialogs& dialogs);

} // namespace tabulo
