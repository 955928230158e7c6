#include "designer/DesignerWindow.h"

#include "design/Restructure.h"
#include "designer/DesignCanvas.h"
#include "designer/PropertiesPanel.h"
#include "designer/ScriptPage.h"
#include "dialogs/QtText.h"
#include "dialogs/frmProgress.h"
#include "dialogs/modDlg.h"
#include "editor/FormArea.h"
#include "engine/DbFile.h"
#include "engine/FileName.h"
#include "engine/Reporter.h"
#include "engine/modDB.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <filesystem>

namespace tabulo::designer {

namespace {

const char* const kTitle = "Tabulo Designer";
constexpr int kNewItemLeft = 20;
constexpr int kNewItemTop = 40; // below the toolbar strip
constexpr int kWindowWidth = 1100;

// A name typed without an extension is a database.
FilePath WithExtension(const FilePath& path) {
    if (!std::filesystem::path(path.Native()).extension().empty()) return path;
    return path.WithSuffix(".Tbd");
}

} // namespace

DesignerWindow::DesignerWindow(Reporter& reporter, Dialogs& dialogs, FileSystem& fs,
                               QWidget* parent)
    : QMainWindow(parent), reporter_(reporter), dialogs_(dialogs), fs_(fs), doc_(this),
      tabs_(new QTabWidget(this)), canvas_(new DesignCanvas(doc_, this)),
      properties_(new PropertiesPanel(doc_, *canvas_, dialogs_, this)),
      script_(new ScriptPage(doc_, this)),
      launcher_([](const QString& program, const QStringList& arguments) {
          return QProcess::startDetached(program, arguments);
      }) {
    setObjectName(QStringLiteral("DesignerWindow"));
    auto* side = new QScrollArea;
    side->setWidget(properties_);
    side->setWidgetResizable(true);
    auto* form = new QSplitter;
    form->addWidget(canvas_);
    form->addWidget(side);
    form->setStretchFactor(0, 3);
    form->setStretchFactor(1, 1);
    // The panel opens wide enough for the input codes' words; the canvas takes the rest.
    const int panelWidth =
        properties_->sizeHint().width() + side->verticalScrollBar()->sizeHint().width();
    form->setSizes({kWindowWidth - panelWidth, panelWidth});
    tabs_->addTab(form, tr("&Form"));
    tabs_->addTab(script_, tr("&Script"));
    setCentralWidget(tabs_);
    BuildMenus();
    connect(&doc_, &DesignDocument::FileChanged, this, [this] { ShowTitle(); });
    ShowTitle();
    resize(kWindowWidth, 700);
}

QAction* DesignerWindow::AddCommand(QMenu* menu, const QString& name, const QString& text,
                                    const QKeySequence& key, const std::function<void()>& run) {
    QAction* action = menu->addAction(text, this, run);
    action->setObjectName(name);
    action->setShortcut(key);
    return action;
}

void DesignerWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    AddCommand(file, "New", tr("&New"), QKeySequence::New, [this] { NewDesign(); });
    AddSampleMenu(file);
    AddCommand(file, "Open", tr("&Open..."), QKeySequence::Open, [this] { Open(); });
    AddCommand(file, "Save", tr("&Save"), QKeySequence::Save, [this] { Save(); });
    AddCommand(file, "SaveAs", tr("Save &As..."), QKeySequence(tr("Ctrl+Shift+S")),
               [this] { SaveAs(); });
    file->addSeparator();
    AddCommand(file, "Try", tr("&Try in Tabulo"), QKeySequence(tr("F5")), [this] { TryDesign(); });
    file->addSeparator();
    AddCommand(file, "Quit", tr("&Quit"), QKeySequence(tr("Ctrl+Q")), [this] { close(); });

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = doc_.UndoStack()->createUndoAction(this, tr("&Undo"));
    undo->setObjectName("Undo");
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = doc_.UndoStack()->createRedoAction(this, tr("&Redo"));
    redo->setObjectName("Redo");
    redo->setShortcut(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    AddCommand(edit, "Cut", tr("Cu&t"), QKeySequence::Cut, [this] { CutSelected(); });
    AddCommand(edit, "Copy", tr("&Copy"), QKeySequence::Copy, [this] { CopySelected(); });
    AddCommand(edit, "Paste", tr("&Paste"), QKeySequence::Paste, [this] { Paste(); });
    AddCommand(edit, "Delete", tr("&Delete"), QKeySequence::Delete, [this] { DeleteSelected(); });
    AddCommand(edit, "Duplicate", tr("D&uplicate"), QKeySequence(tr("Ctrl+D")),
               [this] { DuplicateSelected(); });
    AddCommand(edit, "SelectAll", tr("Select &All"), QKeySequence::SelectAll,
               [this] { SelectAll(); });

    QMenu* insert = menuBar()->addMenu(tr("&Insert"));
    AddCommand(insert, "AddField", tr("&Field"), QKeySequence(tr("Ctrl+Shift+F")),
               [this] { AddField(); });
    AddCommand(insert, "AddBanner", tr("&Banner"), QKeySequence(tr("Ctrl+Shift+B")),
               [this] { AddBanner(); });
    AddCommand(insert, "AddLabel", tr("&Label for This Field"), QKeySequence(tr("Ctrl+Shift+L")),
               [this] { AddLabel(); });

    QMenu* arrange = menuBar()->addMenu(tr("&Arrange"));
    const struct {
        const char* name;
        const char* text;
        const char* key;
        Arrangement how;
    } arrangements[] = {
        {"AlignLeft", "Align &Left", "Ctrl+Alt+Left", Arrangement::AlignLeft},
        {"AlignRight", "Align &Right", "Ctrl+Alt+Right", Arrangement::AlignRight},
        {"AlignTop", "Align &Top", "Ctrl+Alt+Up", Arrangement::AlignTop},
        {"AlignBottom", "Align &Bottom", "Ctrl+Alt+Down", Arrangement::AlignBottom},
        {"SameWidth", "Same &Width", "Ctrl+Alt+W", Arrangement::SameWidth},
        {"SameHeight", "Same &Height", "Ctrl+Alt+H", Arrangement::SameHeight},
        {"SpreadAcross", "Spread &Across", "Ctrl+Alt+A", Arrangement::SpreadAcross},
        {"SpreadDown", "Spread &Down", "Ctrl+Alt+D", Arrangement::SpreadDown},
    };
    for (const auto& a : arrangements) {
        const Arrangement how = a.how;
        AddCommand(arrange, a.name, tr(a.text), QKeySequence(tr(a.key)),
                   [this, how] { Arrange(how); });
    }
    BuildMoveToPageMenu(arrange);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    QAction* grid = AddCommand(view, "SnapToGrid", tr("Snap to &Grid"), QKeySequence(tr("Ctrl+G")),
                               [this] { ToggleGrid(); });
    grid->setCheckable(true);
    grid->setChecked(canvas_->SnapsToGrid());

    QMenu* script = menuBar()->addMenu(tr("S&cript"));
    AddCommand(script, "CheckScript", tr("&Check Script"), QKeySequence(tr("F7")),
               [this] { CheckScript(); });
}

// The shipped samples as starting points, each with its own key: Ctrl+Shift+N, then the
// sample's letter (Ctrl+Alt+digits move the selection to a page).
void DesignerWindow::AddSampleMenu(QMenu* file) {
    QMenu* samples = file->addMenu(tr("New from Sa&mple"));
    samples->setObjectName("NewFromSample");
    const struct {
        const char* database;
        const char* text;
        const char* key;
    } starts[] = {
        {"Contacts", "&Contacts", "Ctrl+Shift+N, C"},
        {"Inventory", "&Inventory", "Ctrl+Shift+N, I"},
        {"Books", "&Book list", "Ctrl+Shift+N, B"},
    };
    for (const auto& start : starts) {
        const std::string database = start.database;
        AddCommand(samples, QStringLiteral("NewFrom") + start.database, tr(start.text),
                   QKeySequence(tr(start.key)), [this, database] {
                       const FilePath programDir =
                           ToFilePath(QCoreApplication::applicationDirPath());
                       NewFromSample(SamplePath(programDir, database));
                   });
    }
}

QAction* DesignerWindow::Command(const QString& name) const {
    return findChild<QAction*>(name);
}

void DesignerWindow::ShowTitle() {
    const QString name = doc_.Path().Empty() ? tr("Untitled") : ToQString(doc_.Path().FileName());
    setWindowTitle(name + QStringLiteral("[*] - ") + tr(kTitle));
    setWindowModified(doc_.IsModified());
}

void DesignerWindow::Refuse(const std::string& text) {
    reporter_.Message(kTitle, text, MsgIcon::Critical);
}

bool DesignerWindow::MayDiscard() {
    if (!doc_.IsModified()) return true;
    const std::string name =
        doc_.Path().Empty() ? "the new design" : "\"" + doc_.Path().Text() + "\"";
    return reporter_.Ask(kTitle, "Discard the unsaved changes to " + name + "?", MsgIcon::None,
                         true);
}

bool DesignerWindow::NewDesign() {
    if (!MayDiscard()) return false;
    doc_.Reset(BlankDesign(), {}, FileKind::None, 0);
    return true;
}

bool DesignerWindow::NewFromSample(const FilePath& database) {
    if (!MayDiscard()) return false;
    OpenedDesign opened = ReadDesignFile(fs_, database);
    if (!opened.ok) {
        Refuse(opened.error);
        return false;
    }
    canvas_->SetPage(1);
    doc_.Reset(std::move(opened.design), {}, FileKind::None, 0);
    return true;
}

bool DesignerWindow::OpenFile(const FilePath& path) {
    if (!MayDiscard()) return false;
    OpenedDesign opened = ReadDesignFile(fs_, path);
    if (!opened.ok) {
        Refuse(opened.error);
        return false;
    }
    canvas_->SetPage(1);
    doc_.Reset(std::move(opened.design), path, opened.kind, opened.recordCount);
    return true;
}

bool DesignerWindow::Open() {
    const std::optional<ChosenFile> chosen = dialogs_.DlgLoad("");
    if (!chosen) return false;
    const FilePath path = chosen->FullName();
    return OpenFile(DbFile::Exists(fs_, path.Native()) ? path : WithExtension(path));
}

bool DesignerWindow::Save() {
    switch (doc_.Kind()) {
    case FileKind::None:
        return SaveAs();
    case FileKind::Description:
        return SaveTo(doc_.Path());
    case FileKind::Database:
        break;
    }
    return SaveIntoDatabase();
}

// The design goes over the records of the database it came from: the plan first, then the
// question (No by default), then the rewrite by the pack's safe steps with its progress.
// Nothing is written before the yes; a change that loses values says so in the question.
bool DesignerWindow::SaveIntoDatabase() {
    modDB db(reporter_, fs_);
    if (db.OpenDatabase(doc_.Path()) != 1) return false; // the engine has said why
    const design::Restructure restructure = design::PlanRestructure(db, doc_.Current());
    if (!restructure.problems.empty()) {
        Refuse(restructure.problems.front().Text());
        return false;
    }
    const bool loses = restructure.plan.LosesValues();
    const std::string question =
        restructure.plan.Text(doc_.Path().Text()) +
        (loses ? "\nThe values counted above will be lost for good. Save all the same?"
               : "\nSave the new design over the records?");
    if (!reporter_.Ask(kTitle, question, loses ? MsgIcon::Critical : MsgIcon::None, true))
        return false;
    if (!Rewrite(db, restructure, loses)) return false;
    db.CloseDatabase();
    doc_.MarkSaved(doc_.Path(), FileKind::Database);
    return true;
}

bool DesignerWindow::Rewrite(modDB& db, const design::Restructure& restructure, bool allowLoss) {
    if (progress_) return design::ApplyRestructure(db, restructure, allowLoss, *progress_) == 1;
    frmProgress progress(this);
    return design::ApplyRestructure(db, restructure, allowLoss, progress) == 1;
}

// A design opened from a database may take its records along (the default answer).
bool DesignerWindow::SaveAs() {
    const std::optional<ChosenFile> chosen = dialogs_.DlgSaveAs("*.Tbd");
    if (!chosen) return false;
    const FilePath path = WithExtension(chosen->FullName());
    if (doc_.Kind() == FileKind::Database && KindOfName(path) == FileKind::Database &&
        reporter_.Ask(kTitle,
                      "Copy the records of \"" + doc_.Path().Text() + "\" into \"" + path.Text() +
                          "\"?",
                      MsgIcon::None, false))
        return SaveWithRecords(path);
    return SaveTo(path);
}

// The old file is copied whole, then the copy's records are rewritten to the design by the
// restructure's steps; a plan that drops fields or cuts values is shown and asked first.
// Whatever fails or is refused takes the copy away again.
bool DesignerWindow::SaveWithRecords(const FilePath& path) {
    // The rewrite keeps the copy it started from as the new file's ".Bak": that one goes,
    // a ".Bak" that was there before is not ours to remove.
    const FilePath backup = PackNamesOf(path).backup;
    const bool keepBackup = DbFile::Exists(fs_, backup.Native());
    if (std::string error = WriteDatabaseCopy(fs_, doc_.Path(), path); !error.empty()) {
        Refuse(error);
        return false;
    }
    bool saved = false;
    {
        modDB db(reporter_, fs_);
        if (db.OpenDatabase(path) == 1) {
            const design::Restructure restructure = design::PlanRestructure(db, doc_.Current());
            const design::RestructurePlan& plan = restructure.plan;
            const bool loses = plan.LosesValues() || !plan.removed.empty();
            if (!restructure.problems.empty())
                Refuse(restructure.problems.front().Text());
            else if (!loses || reporter_.Ask(kTitle,
                                             plan.Text(doc_.Path().Text()) +
                                                 "\nThe values counted above will not be in \"" +
                                                 path.Text() + "\". Save all the same?",
                                             MsgIcon::Critical, true))
                saved = Rewrite(db, restructure, true);
            db.CloseDatabase();
        }
    }
    if (!keepBackup) DbFile::Remove(fs_, backup.Native());
    if (!saved) {
        DbFile::Remove(fs_, path.Native());
        return false;
    }
    doc_.MarkSaved(path, FileKind::Database);
    return true;
}

bool DesignerWindow::SaveTo(const FilePath& path) {
    const FileKind kind = KindOfName(path);
    const std::string error = kind == FileKind::Description
                                  ? WriteDescription(path, doc_.Current())
                                  : WriteNewDatabase(fs_, path, doc_.Current());
    if (!error.empty()) {
        Refuse(error);
        return false;
    }
    doc_.MarkSaved(path, kind);
    return true;
}

bool DesignerWindow::TryDesign() {
    if (!trialDir_) trialDir_ = std::make_unique<QTemporaryDir>();
    const FilePath name = doc_.Path().Empty() ? FilePath("Untitled.Tbd")
                                              : doc_.Path().FileName().ReplaceExtension(".Tbd");
    const FilePath copy = ToFilePath(trialDir_->path()) / name;
    const FilePath original = doc_.Kind() == FileKind::Database ? doc_.Path() : FilePath();
    if (std::string error = WriteTrialCopy(fs_, original, doc_.Saved(), doc_.Current(), copy);
        !error.empty()) {
        Refuse(error);
        return false;
    }
    const QString tabulo = QCoreApplication::applicationDirPath() + QStringLiteral("/tabulo");
    if (launcher_(tabulo, {ToQString(copy)})) return true;
    Refuse("cannot start \"" + FromQString(tabulo) + "\"");
    return false;
}

void DesignerWindow::closeEvent(QCloseEvent* event) {
    if (MayDiscard())
        event->accept();
    else
        event->ignore();
}

void DesignerWindow::AddField() {
    design::Design d = doc_.Current();
    const ItemRef added = designer::AddField(d, canvas_->Page(), kNewItemLeft, kNewItemTop);
    if (doc_.Apply(d, tr("Add Field")).empty()) canvas_->Select({added});
}

void DesignerWindow::AddBanner() {
    design::Design d = doc_.Current();
    const ItemRef added =
        designer::AddBanner(d, canvas_->Page(), kNewItemLeft, kNewItemTop, "Label");
    if (doc_.Apply(d, tr("Add Banner")).empty()) canvas_->Select({added});
}

// The caption's width is measured in the banner font the form will draw it in.
void DesignerWindow::AddLabel() {
    const Selection& selected = canvas_->Selected();
    if (selected.size() != 1 || selected.begin()->kind != ItemKind::Field) return;
    design::Design d = doc_.Current();
    const design::Field* field = FindField(d, selected.begin()->slot);
    DBFont font;
    font.Name = FixedString(d.window.formFont.name, 16);
    font.Size = static_cast<uint8_t>(d.window.formFont.size);
    const int width = QFontMetrics(FontFromHeader(font)).horizontalAdvance(ToQString(field->name));
    const ItemRef added = AddLabelFor(d, field->slot, width);
    if (doc_.Apply(d, tr("Add Label")).empty()) canvas_->Select({added});
}

void DesignerWindow::DeleteSelected() {
    if (canvas_->Selected().empty()) return;
    // Banners close up their slots: the old slot numbers may now name other banners.
    const Selection removed = canvas_->Selected();
    canvas_->Select({});
    doc_.Apply(Removed(doc_.Current(), removed), tr("Delete"));
}

void DesignerWindow::CopySelected() {
    if (canvas_->Selected().empty()) return;
    clipboard_ = Copied(doc_.Current(), canvas_->Selected());
    pasteShift_ = kGridStep;
}

void DesignerWindow::CutSelected() {
    if (canvas_->Selected().empty()) return;
    clipboard_ = Copied(doc_.Current(), canvas_->Selected());
    pasteShift_ = 0;
    DeleteSelected();
}

// The items go to the page shown.
void DesignerWindow::Paste() {
    if (clipboard_.empty()) return;
    design::Design d = doc_.Current();
    const Selection added = Pasted(d, clipboard_, canvas_->Page(), pasteShift_, pasteShift_);
    if (!doc_.Apply(d, tr("Paste")).empty()) return;
    pasteShift_ += kGridStep;
    canvas_->Select(added);
}

void DesignerWindow::DuplicateSelected() {
    if (canvas_->Selected().empty()) return;
    design::Design d = doc_.Current();
    const Selection copies = Duplicate(d, canvas_->Selected());
    if (doc_.Apply(d, tr("Duplicate")).empty()) canvas_->Select(copies);
}

void DesignerWindow::Arrange(Arrangement how) {
    Places places;
    for (const ItemRef& item : canvas_->Selected()) {
        const QRect place = canvas_->PlaceOf(item);
        places[item] = {place.left(), place.top(), place.width(), place.height()};
    }
    if (places.size() >= 2) doc_.Apply(Arranged(doc_.Current(), places, how), tr("Arrange"));
}

// Pages 1 to 8 by their headings (named afresh as the headings change), and the pages
// before and after the one shown.
void DesignerWindow::BuildMoveToPageMenu(QMenu* arrange) {
    arrange->addSeparator();
    QMenu* pages = arrange->addMenu(tr("&Move to Page"));
    pages->setObjectName("MoveToPageMenu");
    for (int page = 1; page <= kMaxPages; ++page)
        AddCommand(pages, QStringLiteral("MoveToPage%1").arg(page), QString(),
                   QKeySequence(tr("Ctrl+Alt+%1").arg(page)), [this, page] { MoveToPage(page); });
    auto namePages = [this] {
        for (int page = 1; page <= kMaxPages; ++page)
            Command(QStringLiteral("MoveToPage%1").arg(page))
                ->setText(QStringLiteral("&%1 %2").arg(page).arg(PageTitle(doc_.Current(), page)));
    };
    namePages();
    connect(&doc_, &DesignDocument::Changed, this, namePages);
    pages->addSeparator();
    AddCommand(pages, "MoveToPreviousPage", tr("&Previous Page"),
               QKeySequence(tr("Ctrl+Shift+PgUp")),
               [this] { MoveToPage(std::max(1, canvas_->Page() - 1)); });
    AddCommand(pages, "MoveToNextPage", tr("&Next Page"), QKeySequence(tr("Ctrl+Shift+PgDown")),
               [this] { MoveToPage(std::min(kMaxPages, canvas_->Page() + 1)); });
}

void DesignerWindow::MoveToPage(int page) {
    const Selection moved = canvas_->Selected();
    if (moved.empty() || page == canvas_->Page()) return;
    if (!doc_.Apply(MovedToPage(doc_.Current(), moved, page), tr("Move to Page")).empty()) return;
    canvas_->SetPage(page);
    canvas_->Select(moved);
}

void DesignerWindow::SelectAll() {
    canvas_->Select(canvas_->ItemsIn(canvas_->Form()->rect()));
}

void DesignerWindow::ToggleGrid() {
    canvas_->SetSnapToGrid(Command("SnapToGrid")->isChecked());
}

void DesignerWindow::CheckScript() {
    tabs_->setCurrentWidget(script_);
    script_->Check();
}

} // namespace tabulo::designer
