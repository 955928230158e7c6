#include "dialogs/frmShowText.h"

#include "dialogs/Twips.h"

#include <QPlainTextEdit>
#include <QResizeEvent>

namespace tabulo {

frmShowText::frmShowText(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Field");
    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName("Text1");
    text1_->setReadOnly(true);
    // Long texts stay readable: lines wrap at the window's width and scroll downwards.
    text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    resize(Twips::FromScreen().ToPixels(QSize(5070, 3195)));
}

void frmShowText::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    text1_->setGeometry(rect());
}

} // namespace tabulo
