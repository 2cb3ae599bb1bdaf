#pragma once

#include <string>
#include <string_view>
#include <vector>

// The mounted volumes a user expects to see beside "/" and Home, from the text of
// /proc/self/mountinfo: removable media and data volumes (under /media, /run/media,
// /mnt, the home folder, or a top-level folder of their own) on a file system that
// holds user data. System and virtual mounts (/proc, /sys, /dev, /run, /boot, snap,
// overlay, tmpfs and the like), "/" itself and the home folder are left out. In the
// order of the text, each mount point once.
[[nodiscard]] std::vector<std::string> UserMountPoints(std::string_view mountinfo, const std::string& home);
