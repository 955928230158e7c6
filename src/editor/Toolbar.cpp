#include "editor/Toolbar.h"

#include "editor/Commands.h"
#include "editor/ToolbarIcons.h"

namespace tabulo {

ToolbarStrip::ToolbarStrip(QWidget* parent) : QWidget(parent), lblRecNo_(new QLabel(this)) {
    setObjectName(QStringLiteral("cTBar"));
    setGeometry(0, 0, parent->width(), kToolbarHeight);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    for (int i = 0; i < kToolbarButtons; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("cTBarBtn(%1)").arg(i));
        button->setGeometry(28 * i, 0, 29, kToolbarHeight);
        button->setIcon(ToolbarIcon(i));
        button->setIconSize(QSize(16, 16));
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(ToolbarTip(i));
        button->setAccessibleName(ToolbarTip(i)); // a picture alone says nothing to a reader
        // The button is switched off and on again before its command runs, as a click
        // on a picture button always did; its look settles back before the command.
        connect(button, &QToolButton::clicked, this, [this, button, i] {
            button->setEnabled(false);
            button->setEnabled(true);
            emit ButtonClicked(i);
        });
        buttons_[i] = button;
    }
    lblRecNo_->setObjectName(QStringLiteral("lblRecNo"));
    lblRecNo_->setTextFormat(Qt::PlainText);
    lblRecNo_->setAccessibleDescription(QStringLiteral("record number / record count"));
    lblRecNo_->move(452, 4);
    lblRecNo_->hide();
}

void ToolbarStrip::SetRecordCaption(const QString& caption) {
    lblRecNo_->setText(caption);
    lblRecNo_->adjustSize();
}

} // namespace tabulo
