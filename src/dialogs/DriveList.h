#pragma once
// The "drives" of the file dialog: on Windows the logical drives ("C:\"), elsewhere the root
// paths of the mounted file systems with "/" first.

#include <QStringList>

namespace tabulo {

QStringList LogicalDriveRoots();

} // namespace tabulo
