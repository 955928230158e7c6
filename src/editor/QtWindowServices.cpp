#include "editor/QtWindowServices.h"

#include "editor/Links.h"
#include "editor/frmAbout.h"

#include <QDesktopServices>

namespace tabulo {

void QtWindowServices::OpenDocument(QWidget*, const QString& address) {
    QDesktopServices::openUrl(UrlOfAddress(address));
}

void QtWindowServices::ShowAbout(QWidget* owner) {
    frmAbout about(owner);
    about.exec();
}

// The help viewer is plugged in here when it joins the program.
void QtWindowServices::ShowHelpContents(QWidget*) {
}

} // namespace tabulo
