// frmEdit: the menu tree and the three modes that switch its items and the toolbar.

#include "editor/ModeTable.h"
#include "editor/Toolbar.h"
#include "editor/frmEdit.h"
#include "engine/modDB.h"

#include <QMenuBar>

namespace tabulo {

void frmEdit::BuildMenus() {
    for (const MenuDef& def : FixedMenus()) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(def.caption));
        menu->setObjectName(QString::fromLatin1(def.name));
        if (QLatin1String(def.name) == QLatin1String("mnuGoto")) mnuGoto_ = menu;
        for (const MenuItemDef& item : def.items) {
            QAction* action = menu->addAction(QString::fromLatin1(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
            connect(action, &QAction::triggered, this, [this, c = item.command] { Run(c); });
            addAction(action); // keeps the shortcut working while the menu is closed
            items_[static_cast<int>(item.command)] = action;
        }
    }
    mnuAction0_ = menuBar()->addMenu(QStringLiteral("Actions"));
    mnuAction0_->setObjectName(QStringLiteral("mnuAction0"));
    for (int n = 1; n <= kActionItems; ++n) {
        mnuAction_[n - 1] = mnuAction0_->addAction(QString());
        mnuAction_[n - 1]->setObjectName(QStringLiteral("mnuAction%1").arg(n));
        connect(mnuAction_[n - 1], &QAction::triggered, this, [this, n] { RunAction(n); });
    }
    mnuPage_ = menuBar()->addMenu(QString());
    mnuPage_->setObjectName(QStringLiteral("mnuPage"));
    for (int p = 1; p <= kMaxPages; ++p) {
        QAction* heading = mnuPage_->addAction(QStringLiteral("Page %1").arg(p));
        heading->setObjectName(QStringLiteral("mnuPageHeading(%1)").arg(p));
        heading->setVisible(false);
        connect(heading, &QAction::triggered, this, [this, p] { TurnToPage(p); });
        mnuPageHeading_[p - 1] = heading;
    }
}

void frmEdit::DisableAll() {
    ApplyMode(WindowMode::NoDatabase);
}
void frmEdit::BrowseMode() {
    ApplyMode(WindowMode::Browsing);
}
void frmEdit::EditMode() {
    ApplyMode(WindowMode::Editing);
}

void frmEdit::ApplyMode(WindowMode mode) {
    mode_ = mode;
    const ModeContext context{db_.GetPageCount(), deleteEnabled_, !db_.IsReadOnly()};
    for (const ModeRow& row : ModeTable()) {
        ModeEffect effect = row.effect[static_cast<int>(mode)];
        SetTargetState(row.target, EffectIsAboutVisibility(effect), EffectState(effect, context));
    }
}

void frmEdit::SetTargetState(const ModeTarget& target, bool visibility, bool state) {
    auto apply = [&](auto* item) {
        if (visibility)
            item->setVisible(state);
        else
            item->setEnabled(state);
    };
    switch (target.kind) {
    case ModeTarget::Button:
        apply(form_->Toolbar()->Button(target.index));
        break;
    case ModeTarget::Menu:
        apply(items_.at(target.index));
        break;
    case ModeTarget::PageMenu:
        apply(mnuPage_->menuAction());
        break;
    case ModeTarget::RecordCaption:
        apply(form_->Toolbar()->RecordCaption());
        break;
    case ModeTarget::ActionsMenu:
        apply(mnuAction0_->menuAction());
        break;
    }
}

} // namespace tabulo
