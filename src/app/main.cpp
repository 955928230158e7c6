// Tabulo: starts the data-entry window on the database named on the command line.

#include "app/QuitAfterFirstPaint.h"
#include "dialogs/QtDialogRunner.h"
#include "dialogs/QtReporter.h"
#include "dialogs/Twips.h"
#include "editor/QtScriptUi.h"
#include "editor/QtScriptWindow.h"
#include "editor/QtWindowServices.h"
#include "editor/frmEdit.h"
#include "engine/PosixFileSystem.h"
#include "engine/modDB.h"

#include <QApplication>
#include <cstdio>
#include <string>

namespace {

// The arguments joined by single blanks: the command line as one text.
std::string CommandLine(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) line += ' ';
        line += argv[i];
    }
    return line;
}

} // namespace

int main(int argc, char** argv) {
    const std::string whole = CommandLine(argc, argv);
    if (whole == "--help") {
        std::puts("Usage: tabulo [DATABASE]\n"
                  "Opens DATABASE (a \".Tbd\" file, named with or without its extension) in the\n"
                  "Tabulo record editor; without a name the window starts with no database.");
        return 0;
    }
    if (whole == "--version") {
        std::puts("Tabulo " TABULO_VERSION);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabulo"));
    // Ties the window to the installed desktop entry: its name and icon in the task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tabulo.Tabulo"));
    tabulo::QtReporter reporter;
    tabulo::QtDialogRunner dialogs;
    tabulo::modDB db(reporter, tabulo::MachineFileSystem());
    tabulo::Twips twips = tabulo::Twips::FromScreen();
    db.SetScreenTwips(qRound(twips.PerPixelX()), qRound(twips.PerPixelY()));
    tabulo::WindowScriptHost script(db, reporter);
    tabulo::QtWindowServices services;
    tabulo::frmEdit window(db, reporter, script, services, dialogs);
    reporter.SetParent(&window);
    dialogs.SetParent(&window);
    tabulo::QtScriptUi scriptUi(&window);
    script.Attach(window, scriptUi, dialogs);

    // Qt has taken its own options out of the arguments by now.
    if (!window.StartUp(CommandLine(argc, argv))) return 0;
    tabulo::QuitAfterFirstPaint quitter;
    if (qEnvironmentVariableIsSet("TABULO_QUIT_AFTER_FIRST_PAINT"))
        window.Form()->installEventFilter(&quitter);
    window.show();
    return QApplication::exec();
}
