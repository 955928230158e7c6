#include "dialogs/DriveList.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace tabulo {

namespace {

// File systems that hold the kernel's and the services' state, never a user's files.
bool IsSystemType(const QByteArray& type) {
    static const QByteArrayList kTypes = {
        "autofs",    "binfmt_misc", "bpf",      "cgroup",          "cgroup2",    "configfs",
        "debugfs",   "devpts",      "devtmpfs", "efivarfs",        "fusectl",    "hugetlbfs",
        "mqueue",    "nsfs",        "proc",     "pstore",          "rpc_pipefs", "securityfs",
        "selinuxfs", "sysfs",       "tracefs",  "fuse.gvfsd-fuse", "fuse.portal"};
    return kTypes.contains(type);
}

bool IsUnder(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder + '/');
}

bool IsSystemVolume(const MountedVolume& volume) {
    const QString& path = volume.rootPath;
    if (IsSystemType(volume.fileSystemType)) return true;
    if (IsUnder(path, "/proc") || IsUnder(path, "/sys") || IsUnder(path, "/dev")) return true;
    // Memory-backed runtime folders; removable media mounted under /run/media stay.
    if (volume.fileSystemType == "tmpfs" && IsUnder(path, "/run")) return true;
    return IsUnder(path, "/snap") || IsUnder(path, "/var/lib/snapd");
}

} // namespace

QStringList DriveRoots(const std::vector<MountedVolume>& volumes, const QString& home) {
    QStringList others;
    for (const MountedVolume& volume : volumes)
        if (!IsSystemVolume(volume)) others << volume.rootPath;
    std::sort(others.begin(), others.end());
    QStringList roots{"/"};
    if (!home.isEmpty() && home != "/") roots << home;
    for (const QString& path : others)
        if (!roots.contains(path)) roots << path;
    return roots;
}

#ifdef Q_OS_WIN
QStringList LogicalDriveRoots() {
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives())
        roots << QDir::toNativeSeparators(drive.absolutePath()).toUpper();
    return roots;
}
#else
QStringList LogicalDriveRoots() {
    std::vector<MountedVolume> volumes;
    // Single files bound into the file tree (a container's /etc/hosts) are no place to go.
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && QFileInfo(volume.rootPath()).isDir())
            volumes.push_back({volume.rootPath(), volume.fileSystemType()});
    return DriveRoots(volumes, QDir::homePath());
}
#endif

} // namespace tabulo
