#include "dialogs/frmDlgFnt.h"

#include "dialogs/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <functional>

namespace tabulo {
namespace {

const QStringList kFontNames = {"Arial",  "Arial Black",    "Comic Sans MS", "Courier", "Georgia",
                                "Impact", "Lucida Console", "Modern",        "Roman",   "Script",
                                "Symbol", "Tahoma",         "Times Roman",   "Verdana", "Webdings"};
const QStringList kFontSizes = {"8",  "10", "12", "14", "16", "18", "20",
                                "22", "24", "28", "32", "48", "72"};

// The first entry that matches, else the first entry.
QListWidget* ListSelecting(const QStringList& entries,
                           const std::function<bool(const QString&)>& match, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->addItems(entries);
    const auto found = std::find_if(entries.begin(), entries.end(), match);
    list->setCurrentRow(found == entries.end() ? 0 : static_cast<int>(found - entries.begin()));
    return list;
}

} // namespace

frmDlgFnt::frmDlgFnt(const std::string& title, const FontChoice& start, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title.empty() ? "Select Font" : ToQString(title));
    const QString name = ToQString(start.Name);
    lstFN_ = ListSelecting(
        kFontNames, [&](const QString& n) { return n.compare(name, Qt::CaseInsensitive) == 0; },
        this);
    lstFN_->setObjectName("lstFN");
    lstFS_ = ListSelecting(
        kFontSizes, [&](const QString& s) { return s.toInt() == start.Size; }, this);
    lstFS_->setObjectName("lstFS");
    chkBold_ = new QCheckBox("Bold", this);
    chkBold_->setObjectName("chkBold");
    chkBold_->setChecked(start.Bold != 0);
    chkItalic_ = new QCheckBox("Italic", this);
    chkItalic_->setObjectName("chkItalic");
    chkItalic_->setChecked(start.Italic != 0);
    auto* cmdOK = new QPushButton("Ok", this);
    cmdOK->setObjectName("cmdOK");
    connect(cmdOK, &QPushButton::clicked, this, &frmDlgFnt::Ok);
    auto* cmdCancel = new QPushButton("Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Font", this), 0, 0);
    grid->addWidget(new QLabel("Size", this), 0, 1);
    grid->addWidget(new QLabel("Style", this), 0, 2);
    grid->addWidget(lstFN_, 1, 0, 3, 1);
    grid->addWidget(lstFS_, 1, 1, 3, 1);
    grid->addWidget(chkBold_, 1, 2);
    grid->addWidget(chkItalic_, 2, 2);
    grid->addWidget(cmdOK, 4, 1);
    grid->addWidget(cmdCancel, 4, 2);
    lstFS_->setFixedWidth(60);
    resize(400, 280);
}

void frmDlgFnt::Ok() {
    result_ = FontChoice{
        FromQString(lstFN_->currentItem()->text()), lstFS_->currentItem()->text().toInt(),
        static_cast<uint8_t>(chkBold_->isChecked()), static_cast<uint8_t>(chkItalic_->isChecked())};
    accept();
}

} // namespace tabulo
