#include "frmInput.h"

#include "QtText.h"
#include "Twips.h"
#include "modDlg.h"
#include "modLIB.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace tabulo {
namespace {

constexpr int kDefaultMaxLen = 32;
constexpr int kPasswordCharacter = '#';

} // namespace

frmInput::frmInput(QWidget* parent) : QDialog(parent) {
    const Twips twips = Twips::FromScreen();
    setFixedSize(twips.ToPixels(QSize(3585, 885)));
    setWindowTitle(ToQString(modDlg::DlgTitle));

    txtStr_ = new QLineEdit(this);
    txtStr_->setObjectName("txtStr");
    txtStr_->setGeometry(twips.ToPixels(QRect(60, 120, 3435, 315)));
    txtStr_->setMaxLength(modDlg::DlgMaxLen > 0 ? modDlg::DlgMaxLen : kDefaultMaxLen);
    mask_ = modDlg::DlgMask.empty() ? "*" : modDlg::DlgMask;
    if (mask_.find('P') != std::string::npos) {
        txtStr_->setStyleSheet(
            QString("QLineEdit { lineedit-password-character: %1; }").arg(kPasswordCharacter));
        txtStr_->setEchoMode(QLineEdit::Password);
    }
    txtStr_->setText(ToQString(modDlg::TrimBlanks(modDlg::DlgValue)));
    txtStr_->installEventFilter(this);

    cmdOK_ = new QPushButton("Ok", this);
    cmdOK_->setObjectName("cmdOK");
    cmdOK_->setGeometry(twips.ToPixels(QRect(2640, 540, 855, 255)));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &frmInput::Accept);
}

void frmInput::Accept() {
    modDlg::DlgValue = modDlg::TrimBlanks(FromQString(txtStr_->text()));
    accept();
}

// Every typed character goes through the key filter, which may drop or change it.
// Keys without a printable character (Backspace, Enter, moving the caret) pass untouched.
bool frmInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txtStr_ || event->type() != QEvent::KeyPress) return false;
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    if (typed.size() != 1 || typed[0].unicode() < 32 || typed[0].unicode() == 127) return false;
    const auto key = static_cast<unsigned char>(FromQString(typed).front());
    const int accepted = modLIB::FilterKey(key, mask_);
    if (accepted == key) return false;
    if (accepted != 0) txtStr_->insert(ToQString(std::string(1, static_cast<char>(accepted))));
    return true;
}

void frmInput::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

} // namespace tabulo
