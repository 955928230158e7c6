#pragma once
// frmEdit: the program's start-up window. It opens one database at a time through the
// engine, builds the data-entry form from its header and shows one record at a time, page
// by page, in one of three modes: no database (0), browsing (1), editing a record (2).

#include "editor/Commands.h"
#include "editor/EditorServices.h"
#include "editor/FormArea.h"

#include <QMainWindow>
#include <array>
#include <string>

class QAction;
class QMenu;
class QToolButton;

namespace tabulo {

class modDB;
class Reporter;
struct ModeTarget;

class FieldInput;

class frmEdit : public QMainWindow {
    Q_OBJECT
public:
    frmEdit(modDB& db, Reporter& reporter, ScriptHost& script, WindowServices& services);

    // Public state, read and written by other windows and by the script object.
    int CurPage = 1;
    int Mode = 0;
    int AddFlag = 0;
    long SelectedRecord = 0;
    int DeleteEnabled = -1;

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

    // Controls, for the windows and the script that work on this one.
    FormArea* Form() const { return form_; }
    FieldBox* Field(int slot) const { return form_->Field(slot); }
    DummyLabel* Dummy(int slot) const { return form_->Dummy(slot); }
    QLabel* Banner(int slot) const { return form_->Banner(slot); }
    QToolButton* ToolbarButton(int i) const;
    QLabel* RecordCaption() const;
    QAction* MenuItem(Command command) const { return items_.at(static_cast<int>(command)); }
    QMenu* GotoMenu() const { return mnuGoto_; }
    QMenu* PageMenu() const { return mnuPage_; }
    QAction* PageHeading(int page) const { return mnuPageHeading_.at(page - 1); }
    QMenu* ActionsMenu() const { return mnuAction0_; }
    QAction* ActionItem(int n) const { return mnuAction_.at(n - 1); }
    // The input rules of the Field boxes, with the clock of the date and time insertions.
    FieldInput* Input() const { return input_; }

    // Outer size in twips, and centring on the screen, as the header and Close ask.
    void SetOuterSizeTwips(int width, int height);
    void CenterOnScreen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus();
    void ApplyMode(int mode);
    void SetTargetState(const ModeTarget& target, bool visibility, bool state);
    void ApplyWindowStyle();
    void ShowNoDatabaseLook();
    bool OpenAndShow(const QString& title);

    // Commands.
    void OpenFromDialog();
    void CloseCommand();
    void GoToRecord(int (modDB::*move)());
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
