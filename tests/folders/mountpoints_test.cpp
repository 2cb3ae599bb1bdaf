#include "mountpoints.h"

#include "rowname.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct MountCase {
    const char* name;
    const char* mountPoint;
    const char* type;
    bool shown;
};

class UserMountPointsTest : public testing::TestWithParam<MountCase> {};

TEST_P(UserMountPointsTest, ShowsOnlyAUsersVolumes)
{
    const MountCase& row = GetParam();
    const std::string line = std::string("36 25 8:17 / ") + row.mountPoint + " rw,relatime shared:1 - " + row.type +
                             " /dev/sdb1 rw\n";
    const std::vector<std::string> points = UserMountPoints(line, "/home/ann");
    EXPECT_EQ(points.size(), row.shown ? 1U : 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Mounts, UserMountPointsTest,
    testing::Values(MountCase{"RemovableUnderMedia", "/media/ann/STICK", "vfat", true},
                    MountCase{"RemovableUnderRunMedia", "/run/media/ann/DISC", "iso9660", true},
                    MountCase{"DataUnderMnt", "/mnt/backup", "ext4", true},
                    MountCase{"TopLevelDataVolume", "/data", "xfs", true},
                    MountCase{"TopLevelNamedLikeASystemFolder", "/library", "ext4", true},
                    MountCase{"NetworkShareInHome", "/home/ann/share", "cifs", true},
                    MountCase{"FileSystemRoot", "/", "ext4", false},
                    MountCase{"HomeItself", "/home/ann", "ext4", false},
                    MountCase{"Proc", "/proc", "proc", false},
                    MountCase{"Sys", "/sys", "sysfs", false},
                    MountCase{"RunUser", "/run/user/1000", "tmpfs", false},
                    MountCase{"Snap", "/snap/core22/1122", "squashfs", false},
                    MountCase{"Overlay", "/mnt/overlay", "overlay", false},
                    MountCase{"Boot", "/boot/efi", "vfat", false},
                    MountCase{"Tmp", "/tmp", "ext4", false},
                    MountCase{"DesktopHelper", "/run/user/1000/doc", "fuse.portal", false}),
    RowName{});

TEST(UserMountPoints, UnescapesPathsAndListsEachPointOnce)
{
    const std::string text = "1 0 8:1 / /media/My\\040Disk rw - ext4 /dev/sdc1 rw\n"
                             "2 0 8:1 / /media/My\\040Disk rw - ext4 /dev/sdc1 rw\n"
                             "3 0 8:2 / /mnt/b rw master:2 - btrfs /dev/sdc2 rw\n"
                             "garbage\n";
    EXPECT_EQ(UserMountPoints(text, "/home/ann"), (std::vector<std::string>{"/media/My Disk", "/mnt/b"}));
}

}  // namespace
