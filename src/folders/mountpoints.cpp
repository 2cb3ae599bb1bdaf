#include "mountpoints.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace {

// File systems that hold user data; everything else (proc, sysfs, tmpfs, overlay,
// squashfs for snaps, cgroup, fuse helpers of the desktop, ...) is left out.
constexpr std::array<std::string_view, 22> kDataFileSystems = {
    "ext2", "ext3", "ext4", "xfs", "btrfs", "vfat", "msdos", "exfat", "ntfs", "ntfs3", "fuseblk",
    "iso9660", "udf", "hfs", "hfsplus", "f2fs", "jfs", "reiserfs", "zfs", "nfs", "nfs4", "cifs",
};

// Top-level folders of the system itself; a mount there is not a user's volume.
constexpr std::array<std::string_view, 14> kSystemFolders = {
    "/bin", "/boot", "/dev", "/etc", "/lib", "/lib64", "/proc", "/run",
    "/sbin", "/snap", "/sys", "/tmp", "/usr", "/var",
};

bool IsUnder(std::string_view path, std::string_view folder)
{
    return path.size() > folder.size() && path.substr(0, folder.size()) == folder && path[folder.size()] == '/';
}

bool IsDataFileSystem(std::string_view type)
{
    return std::find(kDataFileSystems.begin(), kDataFileSystems.end(), type) != kDataFileSystems.end() ||
           type.substr(0, 4) == "smb3";
}

// mountinfo writes space, tab, newline and backslash in paths as \ooo octal escapes.
std::string Unescape(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '3' &&
            text[i + 2] >= '0' && text[i + 2] <= '7' && text[i + 3] >= '0' && text[i + 3] <= '7') {
            result.push_back(static_cast<char>((text[i + 1] - '0') * 64 + (text[i + 2] - '0') * 8 + (text[i + 3] - '0')));
            i += 3;
        } else {
            result.push_back(text[i]);
        }
    }
    return result;
}

bool IsUserPlace(const std::string& mountPoint, const std::string& home)
{
    if (mountPoint == "/" || mountPoint == home) {
        return false;
    }
    if (IsUnder(mountPoint, "/media") || IsUnder(mountPoint, "/run/media") || mountPoint == "/mnt" ||
        IsUnder(mountPoint, "/mnt") || (!home.empty() && IsUnder(mountPoint, home))) {
        return true;
    }
    // A top-level folder of its own (/data, /srv/...) outside the system's folders.
    for (std::string_view system : kSystemFolders) {
        if (mountPoint == system || IsUnder(mountPoint, system)) {
            return false;
        }
    }
    return mountPoint.find('/', 1) == std::string::npos;
}

}  // namespace

std::vector<std::string> UserMountPoints(std::string_view mountinfo, const std::string& home)
{
    std::vector<std::string> points;
    std::istringstream lines{std::string(mountinfo)};
    std::string line;
    while (std::getline(lines, line)) {
        // id parent major:minor root mount-point options [optional...] - type source super
        std::istringstream fields(line);
        std::string id, parent, device, root, mountPoint, field;
        if (!(fields >> id >> parent >> device >> root >> mountPoint)) {
            continue;
        }
        while (fields >> field && field != "-") {
        }
        std::string type;
        if (field != "-" || !(fields >> type) || !IsDataFileSystem(type)) {
            continue;
        }
        std::string point = Unescape(mountPoint);
        if (IsUserPlace(point, home) && std::find(points.begin(), points.end(), point) == points.end()) {
            points.push_back(std::move(point));
        }
    }
    return points;
}
