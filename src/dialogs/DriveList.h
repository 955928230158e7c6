#pragma once
// The "drives" of the file dialog: on Windows the logical drives ("C:\"); elsewhere "/" and
// the user's home folder, then the other mounted file systems by their mount point,
// leaving out the system's own (process and device tables, runtime memory, snap images).

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace tabulo {

struct MountedVolume {
    QString rootPath;
    QByteArray fileSystemType;
};

QStringList DriveRoots(const std::vector<MountedVolume>& volumes, const QString& home);

// The drives of this machine, as the file dialog lists them.
QStringList LogicalDriveRoots();

} // namespace tabulo
