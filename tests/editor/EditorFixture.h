#pragma once
// Shared set-up of the window tests: a real frmEdit on the offscreen platform, over a real
// engine, with recorders in place of the message boxes, the script and the modal windows.

#include "RecordingReporter.h"
#include "TempDir.h"
#include "TestDb.h"
#include "editor/frmEdit.h"
#include "engine/modDB.h"
#include "dialogs/modDlg.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tabulo::test {

class RecordingServices : public WindowServices {
public:
    std::vector<QString> opened;
    int aboutShown = 0;
    int helpShown = 0;

    void OpenDocument(QWidget*, const QString& address) override { opened.push_back(address); }
    void ShowAbout(QWidget*) override { ++aboutShown; }
    void ShowHelpContents(QWidget*) override { ++helpShown; }
};

// What the text viewer was set up with when it was shown.
struct ShownText {
    QString title;
    QPoint pos;
    QSize size;
    QString text;
    QColor foreground, background;
    QFont font;
};

// Answers the file dialog with a prepared choice and records the text viewers shown.
class RecordingRunner : public modDlg::DialogRunner {
public:
    std::string path, fileName; // the choice; an empty name cancels
    int fileDialogs = 0;
    std::vector<ShownText> texts;

    void RunFileDialog() override;
    void RunDatePicker() override {}
    void RunInputBox() override {}
    void RunTextViewer(frmShowText& viewer) override;
};

class VetoingScript : public ScriptHost {
public:
    int veto = 0;
    std::vector<std::string> ran;
    int closeDbCalls = 0;
    int RunScriptProc(const std::string& name) override {
        ran.push_back(name);
        return veto;
    }
    void CloseDB() override { ++closeDbCalls; }
};

// A field definition at a place of a page, in pixels.
DBField FieldAt(int page, QRect place, int length, const std::string& format, int offset = 1,
                const std::string& name = "F");

// A two-page address card: a title banner, labels, plain fields, a web and a mail link,
// a multi-line note and a read-only "#" number.
TestDb ContactsDb(int records = 3);

// Field slot numbers of ContactsDb.
enum ContactsField { kNumber = 1, kName, kCity, kWeb, kMail, kNotes, kPhone };

class EditorTest : public ::testing::Test {
protected:
    EditorTest() { modDlg::SetRunner(&runner); }
    ~EditorTest() override { modDlg::SetRunner(nullptr); }

    // Builds the database file "Contacts.Tbd" in the temporary directory.
    std::string Create(const TestDb& db, const std::string& base = "Contacts") {
        return db.Create(dir, base);
    }
    // Creates the window and runs its start-up with the given command line.
    bool Start(const std::string& commandLine);
    // Shows the window and makes it the active one, so that its shortcuts work.
    void Show();
    QAction* Item(Command c) const { return window->MenuItem(c); }
    std::string FieldText(int slot) const;

    TempDir dir;
    RecordingReporter reporter;
    modDB db{reporter};
    VetoingScript script;
    RecordingServices services;
    RecordingRunner runner;
    std::unique_ptr<frmEdit> window;
};

} // namespace tabulo::test
