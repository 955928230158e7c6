#include "editor/frmAbout.h"

#include "editor/ToolbarIcons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tabulo {

QString ProgramVersion() {
    return QStringLiteral(TABULO_VERSION);
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Tabulo"));
    auto* picture = new QLabel(this);
    picture->setPixmap(WindowIcon().pixmap(48, 48));
    auto* name = new QLabel(QStringLiteral("<b>Tabulo</b>"), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    name->setFont(big);
    auto* text = new QLabel(QStringLiteral("Version %1\n\nA record editor for single-file "
                                           "databases (.Tbd).")
                                .arg(ProgramVersion()),
                            this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* words = new QVBoxLayout;
    words->addWidget(name);
    words->addWidget(text);
    auto* row = new QHBoxLayout;
    row->addWidget(picture, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addLayout(words);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tabulo
