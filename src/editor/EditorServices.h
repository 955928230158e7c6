#pragma once
// The seams through which the data-entry window reaches the script and the windows and
// programs it opens. The program plugs in the real ones; tests plug in recorders, so no
// test waits on a modal window or starts a browser.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

class QWidget;

namespace tabulo {

class ScriptHost {
public:
    virtual ~ScriptHost() = default;
    // Runs one procedure of the header's script by name and returns the script object's
    // Cancel afterwards: -1 when the procedure vetoes the step, 0 otherwise.
    virtual int RunScriptProc(const std::string& name) {
        (void)name;
        return 0;
    }
    // Closes a second database that the script may have opened for look-ups.
    virtual void CloseDB() {}
};

// What the text viewer needs to show the full text of a read-only field.
struct TextViewerRequest {
    QString title;
    QRect frame; // outer geometry on the screen, pixels
    QString text;
    QFont font;
    QColor foreground;
    QColor background;
};

class WindowServices {
public:
    virtual ~WindowServices() = default;
    // The program's file dialog "Load" over "*.Tbd"; false when cancelled. Path and file
    // name are the file's own bytes, as the engine opens them.
    virtual bool LoadDatabase(QWidget* owner, std::string& path, std::string& fileName) = 0;
    // Hands a web or mail address to the desktop's default program; the result is ignored.
    virtual void OpenDocument(QWidget* owner, const QString& address) = 0;
    virtual void ShowText(QWidget* owner, const TextViewerRequest& request) = 0;
    virtual void ShowAbout(QWidget* owner) = 0;
    virtual void ShowHelpContents(QWidget* owner) = 0;
};

} // namespace tabulo
