#pragma once
// Shared set-up of the window tests: a real frmEdit on the offscreen platform, over a real
// engine, with recorders in place of the message boxes, the script and the modal windows.

#include "RecordingReporter.h"
#include "TempDir.h"
#include "TestDb.h"
#include "frmEdit.h"
#include "modDB.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tabulo::test {

class RecordingServices : public WindowServices {
public:
    bool loadAnswer = false;
    std::string loadPath, loadFileName;
    std::vector<QString> opened;
    std::vector<TextViewerRequest> texts;
    int aboutShown = 0;
    int helpShown = 0;

    bool LoadDatabase(QWidget*, std::string& path, std::string& fileName) override {
        path = loadPath;
        fileName = loadFileName;
        return loadAnswer;
    }
    void OpenDocument(QWidget*, const QString& address) override { opened.push_back(address); }
    void ShowText(QWidget*, const TextViewerRequest& request) override { texts.push_back(request); }
    void ShowAbout(QWidget*) override { ++aboutShown; }
    void ShowHelpContents(QWidget*) override { ++helpShown; }
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

// A two-page address card: a title banner, labels, plain fields, a web and a mail link,
// a multi-line note and a read-only "#" number.
TestDb ContactsDb(int records = 3);

// Field slot numbers of ContactsDb.
enum ContactsField { kNumber = 1, kName, kCity, kWeb, kMail, kNotes, kPhone };

class EditorTest : public ::testing::Test {
protected:
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
    std::unique_ptr<frmEdit> window;
};

} // namespace tabulo::test
