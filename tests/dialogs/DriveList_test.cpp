// The drives of the file dialog on a desktop system: "/" and home first, then the mounted
// file systems a user keeps files on, by mount point.

#include "dialogs/DriveList.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

TEST(DriveRoots, RootAndHomeFirstThenUserVolumesByMountPoint) {
    const std::vector<MountedVolume> mounts = {
        {"/", "ext4"},
        {"/proc", "proc"},
        {"/sys", "sysfs"},
        {"/sys/fs/cgroup", "cgroup2"},
        {"/dev", "devtmpfs"},
        {"/dev/shm", "tmpfs"},
        {"/run", "tmpfs"},
        {"/run/lock", "tmpfs"},
        {"/run/user/1000", "tmpfs"},
        {"/run/user/1000/gvfs", "fuse.gvfsd-fuse"},
        {"/run/media/ann/USB", "vfat"},
        {"/snap/core22/1380", "squashfs"},
        {"/var/lib/snapd/hostfs", "ext4"},
        {"/mnt/backup", "ext4"},
        {"/home", "ext4"},
        {"/boot/efi", "vfat"},
        {"/tmp", "tmpfs"},
        {"/media/ann/Photos", "exfat"},
        {"/home", "ext4"}, // mounted twice
        {"/proc/sys/fs/binfmt_misc", "binfmt_misc"},
    };
    EXPECT_EQ(DriveRoots(mounts, "/home/ann"),
              (QStringList{"/", "/home/ann", "/boot/efi", "/home", "/media/ann/Photos",
                           "/mnt/backup", "/run/media/ann/USB", "/tmp"}));
}

TEST(DriveRoots, HomeIsListedOnceEvenWhenItIsAMountOrTheRoot) {
    const struct {
        std::vector<MountedVolume> mounts;
        QString home;
        QStringList roots;
    } cases[] = {
        {{{"/", "ext4"}, {"/home/ann", "btrfs"}}, "/home/ann", {"/", "/home/ann"}},
        {{{"/", "overlay"}}, "/", {"/"}},
        {{{"/", "overlay"}}, "", {"/"}},
        {{}, "/root", {"/", "/root"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DriveRoots(c.mounts, c.home), c.roots) << c.home.toStdString();
}

TEST(LogicalDriveRoots, ThisMachineStartsWithTheRootAndHome) {
    const QStringList roots = LogicalDriveRoots();
    ASSERT_GE(roots.size(), 1);
    EXPECT_EQ(roots.front(), "/");
    for (const QString& root : roots) {
        EXPECT_FALSE(root.startsWith("/proc")) << root.toStdString();
        EXPECT_FALSE(root.startsWith("/sys")) << root.toStdString();
    }
}

} // namespace
} // namespace tabulo
