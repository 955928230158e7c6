#pragma once
// frmEdit: the program's start-up window. It opens one database at a time through the
// engine, builds the data-entry form from its header and shows one record at a time, page
// by page, in one of three modes: no database, browsing, editing a record.

#include "editor/Commands.h"
#include "editor/EditorServices.h"
#include "editor/FormArea.h"

#include <QMainWindow>
#include <array>
#include <cassert>
#include <string>

class QAction;
class QMenu;

namespace tabulo {

class Dialogs;
class FieldInput;
class modDB;
class Reporter;
struct ModeTarget;

// The window's modes; the numbers are the ones the mode table is indexed by.
enum class WindowMode { NoDatabase = 0, Browsing = 1, Editing = 2 };

class frmEdit : public QMainWindow {
    Q_OBJECT
public:
    frmEdit(modDB& db, Reporter& reporter, ScriptHost& script, WindowServices& services,
            Dialogs& dialogs);

    // The window's state as other windows and the script object see it. The page shown
    // (1 to 8) changes when a caller sets it and then calls ShowCurPage.
    int CurPage() const { return curPage_; }
    void SetCurPage(int page) {
        assert(page >= 1 && page <= kMaxPages && "page number out of range");
        curPage_ = page;
    }
    WindowMode Mode() const { return mode_; }
    // True while the record buffer holds a new or duplicated record that Update appends.
    bool AddFlag() const { return addFlag_; }
    // The record where the next search continues, or the one picked by Goto record.
    long SelectedRecord() const { return selectedRecord_; }
    void SetSelectedRecord(long record) { selectedRecord_ = record; }
    // False when the script has switched deleting off.
    bool DeleteEnabled() const { return deleteEnabled_; }
    void SetDeleteEnabled(bool enabled) { deleteEnabled_ = enabled; }

    // Opens the database named on the command line, if any. False when the script's
    // "Start" vetoed the opening: the database is closed and the program must end.
    bool StartUp(const std::string& commandLine);

    std::string RECNO();
    void DisableAll();
    void BrowseMode();
    void EditMode();
    void ShowCurPage();
    void Record2Form();
    void Form2Record();
    // Runs the script procedure named by Actions entry n (1 to 5).
    void RunAction(int n);

    void Run(Command command);

    // Controls, for the windows and the script that work on this one; everything else is
    // reached by its object name (mnuOpen, cTBarBtn(0), Field(1), lblRecNo, ...).
    FormArea* Form() const { return form_; }
    QMenu* ActionsMenu() const { return mnuAction0_; }
    QAction* ActionItem(int n) const { return mnuAction_.at(n - 1); }

    // Outer size in twips, and centring on the screen, as the header and Close ask.
    void SetOuterSizeTwips(int width, int height);
    void CenterOnScreen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus();
    void ApplyMode(WindowMode mode);
    void SetTargetState(const ModeTarget& target, bool visibility, bool state);
    void ApplyWindowStyle();
    void ShowNoDatabaseLook();
    bool OpenAndShow(const QString& title);
    bool IsDatabaseOpen() const;

    // Commands.
    void OpenFromDialog();
    void CloseCommand();
    void GoToRecord(int (modDB::*step)());
    void TurnToPage(int page);
    void EditRecord();
    void CancelUpdate();
    void PackCommand();
    void ShowPopupGoto(const QPoint& globalPos);
    void DummyClick(int slot);
    void ShowFullText(const DBField& def, const DummyLabel& label);

    // Record commands and the Field boxes' input rules (frmEditRecords.cpp).
    void AttachFieldInput();
    void UpdateRecord();
    bool SaveRecord();
    void FocusField(int field);
    void NewRecord();
    void DuplicateRecord();
    void StartNewRecord();
    void DeleteCurrentRecord();
    void InsertDate();
    void InsertTime();
    void GotoRecordFromGrid();

    modDB& db_;
    Reporter& reporter_;
    ScriptHost& script_;
    WindowServices& services_;
    Dialogs& dialogs_;
    int curPage_ = 1;
    WindowMode mode_ = WindowMode::NoDatabase;
    bool addFlag_ = false;
    long selectedRecord_ = 0;
    bool deleteEnabled_ = true;
    bool packing_ = false; // no command runs while a pack does
    FormArea* form_;
    std::array<QAction*, kCommandCount> items_{};
    QMenu* mnuGoto_ = nullptr;
    QMenu* mnuAction0_ = nullptr;
    std::array<QAction*, kActionItems> mnuAction_{};
    QMenu* mnuPage_ = nullptr;
    std::array<QAction*, 8> mnuPageHeading_{};
    QSize outerTwips_;
    FieldInput* input_ = nullptr;
};

} // namespace tabulo
