#pragma once
// The data-entry window's controls as its tests reach them: by the object names the window
// gives them.

#include "NamedChild.h"
#include "editor/Commands.h"
#include "editor/DummyLabel.h"
#include "editor/FieldBox.h"
#include "editor/FieldInput.h"
#include "editor/frmEdit.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace tabulo::test {

inline FieldBox* Field(const frmEdit& window, int slot) {
    return NamedChild<FieldBox>(window, QStringLiteral("Field(%1)").arg(slot));
}
inline DummyLabel* Dummy(const frmEdit& window, int slot) {
    return NamedChild<DummyLabel>(window, QStringLiteral("Dummy(%1)").arg(slot));
}
inline QLabel* Banner(const frmEdit& window, int slot) {
    return NamedChild<QLabel>(window, QStringLiteral("Banner(%1)").arg(slot));
}
inline QToolButton* ToolbarButton(const frmEdit& window, ToolButton button) {
    return NamedChild<QToolButton>(window,
                                   QStringLiteral("cTBarBtn(%1)").arg(static_cast<int>(button)));
}
inline QLabel* RecordCaption(const frmEdit& window) {
    return NamedChild<QLabel>(window, QStringLiteral("lblRecNo"));
}
inline QAction* MenuItem(const frmEdit& window, Command command) {
    return NamedChild<QAction>(window, QString::fromLatin1(MenuItemOf(command).name));
}
inline QMenu* GotoMenu(const frmEdit& window) {
    return NamedChild<QMenu>(window, QStringLiteral("mnuGoto"));
}
inline QMenu* PageMenu(const frmEdit& window) {
    return NamedChild<QMenu>(window, QStringLiteral("mnuPage"));
}
inline QAction* PageHeading(const frmEdit& window, int page) {
    return NamedChild<QAction>(window, QStringLiteral("mnuPageHeading(%1)").arg(page));
}
inline FieldInput* Input(const frmEdit& window) {
    return NamedChild<FieldInput>(window, QStringLiteral("FieldInput"));
}

} // namespace tabulo::test
