#include "editor/QtWindowServices.h"

#include "editor/frmAbout.h"

#include <QDesktopServices>
#include <QUrl>

namespace tabulo {

void QtWindowServices::OpenDocument(QWidget*, const QString& address) {
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void QtWindowServices::ShowAbout(QWidget* owner) {
    frmAbout about(owner);
    about.exec();
}

// The help viewer is plugged in here when it joins the program.
void QtWindowServices::ShowHelpContents(QWidget*) {
}

} // namespace tabulo
