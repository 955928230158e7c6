#include "dialogs/DriveList.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace tabulo {

#ifdef Q_OS_WIN
QStringList LogicalDriveRoots() {
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives())
        roots << QDir::toNativeSeparators(drive.absolutePath()).toUpper();
    return roots;
}
#else
QStringList LogicalDriveRoots() {
    QStringList roots{"/"};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && !roots.contains(volume.rootPath())) roots << volume.rootPath();
    return roots;
}
#endif

} // namespace tabulo
