#include "dialogs/frmDlgFile.h"

#include "dialogs/DriveList.h"
#include "dialogs/QtText.h"
#include "dialogs/modDlg.h"
#include "engine/FileName.h"
#include "engine/Reporter.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tabulo {
namespace {

constexpr const char* kListFont = "Verdana";
constexpr qsizetype kLongPath = 51;
constexpr qsizetype kPathEnd = 22;

QString NativeCurrentPath() {
    return QDir::toNativeSeparators(QDir::currentPath());
}

bool IsDirectoryEntry(const QString& entry) {
    return entry.startsWith('[');
}

// Files are listed without their extension: the callers add the one they asked for.
QString WithoutExtension(const QString& name) {
    const qsizetype dot = name.lastIndexOf('.');
    return dot > 0 ? name.left(dot) : name;
}

// A database file is listed only when opening its listed name reaches it: not "x.tbd" beside
// "x.Tbd", nor either of two names that differ only in the case of ".tbd".
bool Openable(const QDir& dir, const QString& name) {
    if (!name.endsWith(".tbd", Qt::CaseInsensitive)) return true;
    const std::string listed =
        QFile::encodeName(dir.filePath(WithoutExtension(name))).toStdString();
    return FindDatabaseFile(DatabaseBaseName(listed)) ==
           QFile::encodeName(dir.filePath(name)).toStdString();
}

} // namespace

frmDlgFile::frmDlgFile(Reporter& reporter, QWidget* parent) : QDialog(parent), reporter_(reporter) {
    CreateControls();
    setWindowTitle(ToQString(modDlg::DlgTitle));
    txtFile_->setEnabled(modDlg::DlgSaveMode);
    pattern_ = modDlg::DlgPattern.empty() ? "*.*" : QFile::decodeName(modDlg::DlgPattern.c_str());
    current_ = modDlg::DlgPath.empty()
                   ? NativeCurrentPath()
                   : QDir::toNativeSeparators(QFile::decodeName(modDlg::DlgPath.c_str()));
    txtFile_->setText(QFile::decodeName(modDlg::DlgFileName.c_str()));
    FillDriveList();
    FillDirectoryList();
}

void frmDlgFile::CreateControls() {
    const QFont listFont(kListFont);
    auto named = [&](auto* control, const char* name) {
        control->setObjectName(name);
        control->setFont(listFont);
        return control;
    };
    lstDrive_ = named(new QListWidget(this), "lstDrive");
    lstDir_ = named(new QListWidget(this), "lstDir");
    txtPath_ = named(new QLabel(this), "txtPath");
    txtFile_ = named(new QLineEdit(this), "txtFile");
    auto* label1 = new QLabel("File", this);
    label1->setObjectName("Label1");
    auto* cmdOk = new QPushButton("Ok", this);
    cmdOk->setObjectName("cmdOk");
    auto* cmdCancel = new QPushButton("Cancel", this);
    cmdCancel->setObjectName("cmdCancel");

    auto* grid = new QGridLayout(this);
    grid->addWidget(txtPath_, 0, 0, 1, 4);
    grid->addWidget(lstDrive_, 1, 0, 1, 1);
    grid->addWidget(lstDir_, 1, 1, 1, 3);
    grid->addWidget(label1, 2, 0);
    grid->addWidget(txtFile_, 2, 1, 1, 3);
    grid->addWidget(cmdOk, 3, 2);
    grid->addWidget(cmdCancel, 3, 3);
    lstDrive_->setFixedWidth(150);
    grid->setColumnStretch(1, 1);
    resize(480, 340);

    connect(lstDir_, &QListWidget::itemClicked, this, &frmDlgFile::DirectoryClicked);
    connect(lstDir_, &QListWidget::itemDoubleClicked, this, &frmDlgFile::DirectoryDoubleClicked);
    connect(lstDrive_, &QListWidget::itemDoubleClicked, this, &frmDlgFile::DriveDoubleClicked);
    connect(cmdOk, &QPushButton::clicked, this, &frmDlgFile::Ok);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString frmDlgFile::ShortPath(const QString& path) {
    if (path.size() < kLongPath) return path;
    return path.left(kPathEnd) + " .. " + path.right(kPathEnd);
}

void frmDlgFile::FillDriveList() {
    lstDrive_->addItems(LogicalDriveRoots());
}

// Sub-directories as "[name]" (".." included), then the files matching the pattern (the
// databases among them that an open reaches), both in the order the file system gives them.
void frmDlgFile::FillDirectoryList() {
    txtPath_->setText(ShortPath(current_));
    lstDir_->clear();
    const QDir dir(current_);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDot, QDir::Unsorted))
        lstDir_->addItem('[' + name + ']');
    for (const QString& name : dir.entryList({pattern_}, QDir::Files, QDir::Unsorted))
        if (Openable(dir, name)) lstDir_->addItem(WithoutExtension(name));
}

// The platform decides where we end up: ".." goes up, and at a root it stays there.
void frmDlgFile::ChangeInto(const QString& path) {
    QDir::setCurrent(path);
    current_ = NativeCurrentPath();
    txtFile_->clear();
    FillDirectoryList();
}

void frmDlgFile::DirectoryClicked(QListWidgetItem* item) {
    if (!IsDirectoryEntry(item->text())) txtFile_->setText(item->text());
}

void frmDlgFile::DirectoryDoubleClicked(QListWidgetItem* item) {
    const QString entry = item->text();
    if (IsDirectoryEntry(entry)) {
        ChangeInto(current_ + QDir::separator() + entry.mid(1, entry.size() - 2));
        return;
    }
    txtFile_->setText(entry);
    if (!modDlg::DlgSaveMode) Ok();
}

void frmDlgFile::DriveDoubleClicked(QListWidgetItem* item) {
    if (!QDir::setCurrent(item->text()))
        reporter_.Message("Tabulo", "Drive unavailable.", MsgIcon::Critical);
    ChangeInto(NativeCurrentPath());
}

void frmDlgFile::Ok() {
    modDlg::DlgPath = QFile::encodeName(current_).toStdString();
    modDlg::DlgFileName = QFile::encodeName(txtFile_->text()).toStdString();
    accept();
}

} // namespace tabulo
