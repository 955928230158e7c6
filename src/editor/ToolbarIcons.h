#pragma once
// The pictures of the 16 toolbar buttons and of the window: the desktop theme's icon when it
// has one for the command, else our own, drawn so that it reads at a glance at 16 x 16.

#include <QIcon>
#include <QString>

namespace tabulo {

QIcon ToolbarIcon(int button);
QString ToolbarTip(int button);
QIcon WindowIcon();

} // namespace tabulo
