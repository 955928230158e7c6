#include "dialogs/QtReporter.h"

#include "dialogs/QtText.h"

#include <QMessageBox>

namespace tabulo {
namespace {

// Plain text, so that texts such as a line of blanks or a "<" are shown exactly as given.
void SetUp(QMessageBox& box, const std::string& title, const std::string& text, MsgIcon icon) {
    box.setWindowTitle(ToQString(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQString(text));
    box.setIcon(icon == MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon);
}

} // namespace

void QtReporter::Message(const std::string& title, const std::string& text, MsgIcon icon) {
    QMessageBox box(parent_);
    SetUp(box, title, text, icon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtReporter::Ask(const std::string& title, const std::string& text, MsgIcon icon,
                     bool defaultNo) {
    QMessageBox box(parent_);
    SetUp(box, title, text, icon);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(defaultNo ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace tabulo
