#include "dialogs/frmInput.h"

#include "dialogs/MaskedKeys.h"
#include "dialogs/QtText.h"
#include "dialogs/Twips.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace tabulo {
namespace {

constexpr int kDefaultMaxLen = 32;
constexpr int kPasswordCharacter = '#';

} // namespace

frmInput::frmInput(const InputRequest& request, QWidget* parent) : QDialog(parent) {
    const Twips twips = Twips::FromScreen();
    setFixedSize(twips.ToPixels(QSize(3585, 885)));
    setWindowTitle(ToQString(request.Title));

    txtStr_ = new QLineEdit(this);
    txtStr_->setObjectName("txtStr");
    txtStr_->setGeometry(twips.ToPixels(QRect(60, 120, 3435, 315)));
    txtStr_->setMaxLength(request.MaxLen > 0 ? request.MaxLen : kDefaultMaxLen);
    const std::string mask = request.Mask.empty() ? "*" : request.Mask;
    if (mask.find('P') != std::string::npos) {
        txtStr_->setStyleSheet(
            QString("QLineEdit { lineedit-password-character: %1; }").arg(kPasswordCharacter));
        txtStr_->setEchoMode(QLineEdit::Password);
    }
    txtStr_->setText(ToQString(TrimBlanks(request.Value)));
    FilterTypedKeys(txtStr_, mask);

    cmdOK_ = new QPushButton("Ok", this);
    cmdOK_->setObjectName("cmdOK");
    cmdOK_->setGeometry(twips.ToPixels(QRect(2640, 540, 855, 255)));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &frmInput::Accept);
}

void frmInput::Accept() {
    result_ = TrimBlanks(FromQString(txtStr_->text()));
    accept();
}

void frmInput::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

} // namespace tabulo
