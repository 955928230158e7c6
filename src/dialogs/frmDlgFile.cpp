#include "dialogs/frmDlgFile.h"

#include "dialogs/DriveList.h"
#include "dialogs/QtText.h"
#include "engine/FileName.h"
#include "engine/PosixFileSystem.h"
#include "engine/Reporter.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tabulo {
namespace {

constexpr const char* kListFont = "Verdana";
constexpr qsizetype kLongPath = 51;
constexpr qsizetype kPathEnd = 22;
constexpr QDir::SortFlags kByName = QDir::Name | QDir::IgnoreCase;

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
// "x.Tbd", nor either of two names that differ only in the case of ".tbd". The list shows the
// machine's folders, so the name rule is asked of the machine's file system.
bool Openable(const QDir& dir, const QString& name) {
    if (!name.endsWith(".tbd", Qt::CaseInsensitive)) return true;
    const FilePath listed = ToFilePath(dir.filePath(WithoutExtension(name)));
    return FindDatabaseFile(MachineFileSystem(), DatabaseBaseName(listed)) ==
           ToFilePath(dir.filePath(name));
}

} // namespace

frmDlgFile::frmDlgFile(const FileRequest& request, Reporter& reporter, QWidget* parent)
    : QDialog(parent), reporter_(reporter), saveMode_(request.SaveMode) {
    CreateControls();
    setWindowTitle(ToQString(request.Title));
    txtFile_->setEnabled(saveMode_);
    pattern_ = request.Pattern.empty() ? "*.*" : QFile::decodeName(request.Pattern.c_str());
    current_ = request.Path.Empty() ? NativeCurrentPath()
                                    : QDir::toNativeSeparators(ToQString(request.Path));
    txtFile_->setText(ToQString(request.FileName));
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

    label1->setBuddy(txtFile_);
    lstDrive_->setAccessibleName("Drives");
    lstDir_->setAccessibleName("Folders and files");
    txtPath_->setAccessibleName("Folder");
    for (QListWidget* list : {lstDrive_, lstDir_})
        list->installEventFilter(this);
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
// databases among them that an open reaches), each group sorted by name without regard to case.
void frmDlgFile::FillDirectoryList() {
    txtPath_->setText(ShortPath(current_));
    lstDir_->clear();
    const QDir dir(current_);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDot, kByName))
        lstDir_->addItem('[' + name + ']');
    for (const QString& name : dir.entryList({pattern_}, QDir::Files, kByName))
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
    if (!saveMode_) Ok();
}

void frmDlgFile::DriveDoubleClicked(QListWidgetItem* item) {
    if (!QDir::setCurrent(item->text()))
        reporter_.Message("Tabulo", "Drive unavailable.", MsgIcon::Critical);
    ChangeInto(NativeCurrentPath());
}

// Enter on a list does what a double-click on its current entry does, so the dialog works
// from the keyboard alone; it must not reach the "Ok" button as well.
bool frmDlgFile::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == lstDir_ && lstDir_->currentItem())
                DirectoryDoubleClicked(lstDir_->currentItem());
            else if (watched == lstDrive_ && lstDrive_->currentItem())
                DriveDoubleClicked(lstDrive_->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmDlgFile::Ok() {
    result_ = ChosenFile{ToFilePath(current_), ToFilePath(txtFile_->text())};
    accept();
}

} // namespace tabulo
