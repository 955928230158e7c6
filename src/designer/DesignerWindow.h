#pragma once
// The designer's main window: the canvas with the properties beside it, the Script tab, the
// menus (every command with a key) and the file commands. Messages and questions go through
// the Reporter, files are chosen through Dialogs, so that the window can be driven headless.

#include "designer/DesignDocument.h"
#include "designer/DesignEdits.h"

#include <QMainWindow>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class QAction;
class QTabWidget;

namespace tabulo {
class Dialogs;
class FileSystem;
class ProgressSink;
class Reporter;
class modDB;
namespace design {
struct Restructure;
}
} // namespace tabulo

namespace tabulo::designer {

class DesignCanvas;
class PropertiesPanel;
class ScriptPage;

class DesignerWindow : public QMainWindow {
    Q_OBJECT
public:
    // Reads and writes its files, and opens databases, on fs.
    DesignerWindow(Reporter& reporter, Dialogs& dialogs, FileSystem& fs, QWidget* parent = nullptr);

    DesignDocument& Document() { return doc_; }
    DesignCanvas* Canvas() const { return canvas_; }
    ScriptPage* Script() const { return script_; }
    PropertiesPanel* Properties() const { return properties_; }
    // The menu command of that object name ("New", "Save", "AddField"...).
    QAction* Command(const QString& name) const;

    // The file commands; each returns true when it did what it was asked.
    bool NewDesign();
    // An untitled design with the form and script of a sample database (none of its records).
    bool NewFromSample(const FilePath& database);
    bool OpenFile(const FilePath& path);
    bool Open();
    bool Save();
    bool SaveAs();
    bool SaveTo(const FilePath& path);
    // Save of a design opened from a database: its records are rewritten to the new form.
    bool SaveIntoDatabase();
    // Save As of a design opened from a database: a new database with the old one's records
    // rewritten to the design; the old file is only read.
    bool SaveWithRecords(const FilePath& path);
    // Opens the design in Tabulo on a temporary copy of the database, with its records when
    // their layout is unchanged, so that the form can be used before it is saved.
    bool TryDesign();

    // Starts a program without waiting for it; tests put in a recorder.
    using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;
    void SetLauncher(Launcher launcher) { launcher_ = std::move(launcher); }
    // Where the records' rewrite shows its progress; by default a progress window of its own.
    void SetProgress(ProgressSink* progress) { progress_ = progress; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void AddSampleMenu(QMenu* file);
    // Rewrites the open database's records to the planned design, with the progress shown.
    bool Rewrite(modDB& db, const design::Restructure& restructure, bool allowLoss);
    QAction* AddCommand(QMenu* menu, const QString& name, const QString& text,
                        const QKeySequence& key, const std::function<void()>& run);
    // True when there are no unsaved changes, or the user agrees to lose them.
    bool MayDiscard();
    void ShowTitle();
    void Refuse(const std::string& text);

    void AddField();
    void AddBanner();
    void AddLabel();
    void DeleteSelected();
    void CopySelected();
    void CutSelected();
    void Paste();
    void DuplicateSelected();
    void SelectAll();
    void ToggleGrid();
    void CheckScript();
    void Arrange(Arrangement how);
    // Puts the selected items on the page and shows it, the items still selected.
    void MoveToPage(int page);
    void BuildMoveToPageMenu(QMenu* arrange);

    Reporter& reporter_;
    Dialogs& dialogs_;
    FileSystem& fs_;
    DesignDocument doc_;
    QTabWidget* tabs_;
    DesignCanvas* canvas_;
    PropertiesPanel* properties_;
    ScriptPage* script_;
    Launcher launcher_;
    ProgressSink* progress_ = nullptr;
    std::unique_ptr<QTemporaryDir> trialDir_; // removed with the window
    Clipping clipboard_;
    // How far the next paste goes from where the items were copied: pastes over their
    // originals go a grid step further each time, so that each can be seen and picked.
    int pasteShift_ = 0;
};

} // namespace tabulo::designer
