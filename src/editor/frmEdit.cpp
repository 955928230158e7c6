#include "editor/frmEdit.h"

#include "dialogs/QtText.h"
#include "dialogs/Twips.h"
#include "dialogs/modDlg.h"
#include "editor/Toolbar.h"
#include "editor/ToolbarIcons.h"
#include "engine/modDB.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QScreen>
#include <QWindow>

namespace tabulo {

namespace {

constexpr int kNoDatabaseWidth = 6840;  // twips
constexpr int kNoDatabaseHeight = 4470; // twips

// One double quote is removed from each end; nothing else, not even blanks.
std::string StripQuotes(std::string line) {
    if (!line.empty() && line.front() == '"') line.erase(0, 1);
    if (!line.empty() && line.back() == '"') line.pop_back();
    return line;
}

} // namespace

frmEdit::frmEdit(modDB& db, Reporter& reporter, ScriptHost& script, WindowServices& services,
                 Dialogs& dialogs)
    : db_(db), reporter_(reporter), script_(script), services_(services), dialogs_(dialogs),
      form_(new FormArea(this)) {
    setObjectName(QStringLiteral("frmEdit"));
    // A fixed single border: the program sets the size, the user cannot resize or maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(WindowIcon());
    setCentralWidget(form_);
    BuildMenus();
    connect(form_->Toolbar(), &ToolbarStrip::ButtonClicked, this,
            [this](int i) { Run(kToolbarCommands.at(i)); });
    connect(form_, &FormArea::BackgroundRightClicked, this, &frmEdit::ShowPopupGoto);
    connect(form_, &FormArea::DummyClicked, this, &frmEdit::DummyClick);
    AttachFieldInput();
    ShowNoDatabaseLook();
    DisableAll();
}

bool frmEdit::StartUp(const std::string& commandLine) {
    if (commandLine.empty()) return true;
    if (db_.OpenDatabase(FilePath(StripQuotes(commandLine))) == 0) return true;
    if (OpenAndShow(ToQString(db_.GetBaseName().FileName()))) return true;
    CloseCommand();
    return false;
}

// The common tail of start-up and Open: style the window from the header, let the
// script's "Start" decide, show page 1. False when "Start" vetoed.
bool frmEdit::OpenAndShow(const QString& title) {
    setWindowTitle(title);
    addFlag_ = false;
    curPage_ = 1;
    ApplyWindowStyle();
    if (script_.RunScriptProc("Start") != 0) return false; // any true Cancel vetoes
    ShowCurPage();
    BrowseMode();
    return true;
}

void frmEdit::OpenFromDialog() {
    const std::optional<ChosenFile> chosen = dialogs_.DlgLoad("*.Tbd");
    if (!chosen) return;
    if (db_.OpenDatabase(chosen->FullName()) == 0) return;
    if (!OpenAndShow(ToQString(chosen->FileName))) CloseCommand();
}

bool frmEdit::IsDatabaseOpen() const {
    return db_.GetFileNumber() != 0;
}

// Goes by the title, as the engine may have closed the file itself (a packed file that
// could not be opened again).
void frmEdit::CloseCommand() {
    if (windowTitle().isEmpty()) return;
    if (IsDatabaseOpen()) db_.CloseDatabase();
    deleteEnabled_ = true;
    setWindowTitle(QString());
    addFlag_ = false;
    curPage_ = 1;
    DisableAll();
    ShowNoDatabaseLook();
    script_.CloseDB();
}

// No fields, no banners, no Actions menu; the no-database size, centred, in the
// button-face colour.
void frmEdit::ShowNoDatabaseLook() {
    SetOuterSizeTwips(kNoDatabaseWidth, kNoDatabaseHeight);
    form_->SetBackground(QApplication::palette().color(QPalette::Button));
    CenterOnScreen();
    form_->HideAll();
    mnuAction0_->menuAction()->setVisible(false);
    for (int n = 1; n <= kActionItems; ++n) {
        ActionItem(n)->setText(QString());
        if (n >= 2) ActionItem(n)->setVisible(false);
    }
}

void frmEdit::ApplyWindowStyle() {
    DBWindow w = db_.GetWindowDef();
    SetOuterSizeTwips(w.Width, w.Height);
    CenterOnScreen();
    form_->SetBackground(ColorFromRgbLong(w.BackColor));
    form_->ApplyFieldFont(w.FieldFont);
}

void frmEdit::SetOuterSizeTwips(int width, int height) {
    outerTwips_ = QSize(width, height);
    // The frame is known only once the window system has decorated the window.
    QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    QSize outer = Twips::FromScreen(screen()).ToPixels(outerTwips_);
    setFixedSize(outer.width() - frame.left() - frame.right(),
                 outer.height() - frame.top() - frame.bottom());
}

// The first show brings the frame: the outer size and the centring are applied again.
void frmEdit::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous()) return;
    SetOuterSizeTwips(outerTwips_.width(), outerTwips_.height());
    CenterOnScreen();
}

void frmEdit::CenterOnScreen() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QSize outer = frameGeometry().size();
    QRect area = screen->geometry();
    move(area.left() + (area.width() - outer.width()) / 2,
         area.top() + (area.height() - outer.height()) / 2);
}

void frmEdit::closeEvent(QCloseEvent* event) {
    // An edit in progress blocks closing silently: Update or Cancel comes first.
    if (mode_ == WindowMode::Editing) {
        event->ignore();
        return;
    }
    if (IsDatabaseOpen()) db_.CloseDatabase();
    event->accept();
}

} // namespace tabulo
