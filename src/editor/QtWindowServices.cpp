#include "editor/QtWindowServices.h"

#include "dialogs/QtReporter.h"
#include "editor/Links.h"
#include "editor/frmAbout.h"
#include "help/modHelp.h"

#include <QDesktopServices>

namespace tabulo {

void QtWindowServices::OpenDocument(QWidget*, const QString& address) {
    QDesktopServices::openUrl(UrlOfAddress(address));
}

void QtWindowServices::ShowAbout(QWidget* owner) {
    frmAbout about(owner);
    about.exec();
}

// Help > Contents: the viewer at its first topic.
void QtWindowServices::ShowHelpContents(QWidget* owner) {
    QtReporter reporter(owner);
    modHelp::ShowHelp("", reporter, owner);
}

} // namespace tabulo
