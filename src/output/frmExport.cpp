#include "output/frmExport.h"

#include "dialogs/FieldList.h"
#include "dialogs/QtText.h"
#include "dialogs/Twips.h"
#include "dialogs/frmProgress.h"
#include "dialogs/modDlg.h"
#include "engine/CsvExport.h"
#include "engine/FileName.h"
#include "engine/Reporter.h"
#include "engine/modDB.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace tabulo {

frmExport::frmExport(modDB& db, Reporter& reporter, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), db_(db), reporter_(reporter), dialogs_(dialogs) {
    setObjectName("frmExport");
    setWindowTitle("Export");
    const Twips twips = Twips::FromScreen();
    setFixedSize(twips.ToPixels(QSize(4095, 3585)));
    auto place = [&](QWidget* control, const char* name, QRect twipsRect) {
        control->setObjectName(name);
        control->setGeometry(twips.ToPixels(twipsRect));
    };
    place(new QLabel("Fields", this), "Label3", {120, 120, 1500, 195});
    place(lstField_ = new QListWidget(this), "lstField", {120, 360, 3855, 2535});
    place(command1_ = new QPushButton("Select All", this), "Command1", {120, 3060, 1215, 375});
    place(btnExport_ = new QPushButton("Export", this), "btnExport", {2760, 3060, 1215, 375});
    FillFieldList(*lstField_, db_);
    btnExport_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, &frmExport::SelectAll);
    connect(btnExport_, &QPushButton::clicked, this, &frmExport::Export);
}

void frmExport::SelectAll() {
    for (int row = 0; row < lstField_->count(); ++row) {
        QListWidgetItem* entry = lstField_->item(row);
        if (entry->flags() & Qt::ItemIsSelectable) entry->setSelected(true);
    }
}

void frmExport::Export() {
    const FilePath chosen = AskExportFile(dialogs_);
    if (!chosen.Empty()) WriteFile(WithExtension(chosen, ".csv"));
    accept();
}

// The main window is not redrawn meanwhile: the loop lets no events run.
void frmExport::WriteFile(const FilePath& path) {
    frmProgress progress(this);
    const std::optional<CsvExportFailure> failure =
        WriteCsvExport(db_, SelectedFieldNumbers(*lstField_), path, &progress);
    if (!failure) return;
    reporter_.Message("EXPORT",
                      "Cannot write the file " + failure->file.Text() + ": " + failure->reason,
                      MsgIcon::Critical);
}

FilePath AskExportFile(Dialogs& dialogs) {
    const std::optional<ChosenFile> chosen = dialogs.DlgSaveAs("*.Csv");
    return chosen ? chosen->FullName() : FilePath();
}

} // namespace tabulo
