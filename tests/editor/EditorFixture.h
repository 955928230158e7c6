#pragma once
// Shared set-up of the window tests: a real frmEdit on the offscreen platform, over a real
// engine, with recorders in place of the message boxes, the script and the modal windows.

#include "FaultyFileSystem.h"
#include "RecordingReporter.h"
#include "TempDir.h"
#include "TestDb.h"
#include "WindowParts.h"
#include "dialogs/modDlg.h"
#include "editor/frmEdit.h"
#include "engine/modDB.h"

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

// Answers the file dialog with a prepared choice and records the requests and the text
// viewers shown. The date picker and the input box close without a choice.
class RecordingDialogs : public Dialogs {
public:
    std::string path, fileName; // the choice; an empty name cancels
    std::vector<FileRequest> files;
    std::vector<ShownText> texts;

    std::optional<ChosenFile> ChooseFile(const FileRequest& request) override;
    std::optional<std::string> PickDate(const DateRequest&) override { return std::nullopt; }
    std::optional<std::string> Input(const InputRequest&) override { return std::nullopt; }
    void ShowText(frmShowText& viewer) override;
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
    // Builds the database file "Contacts.Tbd" in the temporary directory.
    std::string Create(const TestDb& form, const std::string& base = "Contacts") {
        return form.Create(dir, base);
    }
    // Creates the window over the given dialogs and runs its start-up with the command line.
    bool Start(const std::string& commandLine);
    bool Start(const std::string& commandLine, Dialogs& windowDialogs);
    // Shows the window and makes it the active one, so that its shortcuts work.
    void Show();
    // Starts on a new file of the given form and shows the window.
    void StartShown(const TestDb& form) {
        ASSERT_TRUE(Start(Create(form)));
        Show();
    }
    QAction* Item(Command c) const { return MenuItem(*window, c); }
    std::string FieldText(int slot) const;

    FaultyFileSystem faults;
    TempDir dir;
    RecordingReporter reporter;
    modDB db{reporter, faults};
    VetoingScript script;
    RecordingServices services;
    RecordingDialogs dialogs;
    std::unique_ptr<frmEdit> window;
};

} // namespace tabulo::test
