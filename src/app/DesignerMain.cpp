// Tabulo Designer: opens the designer window on a new form or on the file named on the
// command line.

#include "app/QuitAfterFirstPaint.h"
#include "designer/DesignCanvas.h"
#include "designer/DesignerWindow.h"
#include "dialogs/QtDialogRunner.h"
#include "dialogs/QtReporter.h"
#include "dialogs/QtText.h"
#include "engine/PosixFileSystem.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::puts("Usage: tabulo-designer [FILE]\n"
                  "Opens FILE (a \".Tbd\" database or a JSON description) in the Tabulo form\n"
                  "designer; without a name the designer starts on a new, blank form.");
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("Tabulo Designer " TABULO_VERSION);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabulo Designer"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tabulo.TabuloDesigner"));
    tabulo::QtReporter reporter;
    tabulo::QtDialogRunner dialogs;
    tabulo::designer::DesignerWindow window(reporter, dialogs, tabulo::MachineFileSystem());
    reporter.SetParent(&window);
    dialogs.SetParent(&window);

    // Qt has taken its own options out of the arguments by now.
    const QStringList args = QApplication::arguments();
    if (args.size() > 1 && !window.OpenFile(tabulo::ToFilePath(args.at(1)))) return 1;
    tabulo::QuitAfterFirstPaint quitter;
    if (qEnvironmentVariableIsSet("TABULO_QUIT_AFTER_FIRST_PAINT"))
        window.Canvas()->Surface()->installEventFilter(&quitter);
    window.show();
    return QApplication::exec();
}
