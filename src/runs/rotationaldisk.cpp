#include "rotationaldisk.h"

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

namespace fs = std::filesystem;

// The 0 or 1 in <device>/queue/rotational, nothing when it is missing or unreadable.
std::optional<bool> ReadRotational(const fs::path& device)
{
    std::ifstream in(device / "queue" / "rotational");
    int value = -1;
    if (!(in >> value) || (value != 0 && value != 1)) {
        return std::nullopt;
    }
    return value == 1;
}

}  // namespace

std::optional<bool> IsRotatingDevice(unsigned major, unsigned minor, const std::string& sysfsRoot)
{
    std::error_code error;
    const fs::path link = fs::path(sysfsRoot) / "dev" / "block" / (std::to_string(major) + ":" + std::to_string(minor));
    const fs::path device = fs::canonical(link, error);
    if (error) {
        return std::nullopt;
    }
    // A partition has no queue of its own; its disk is the folder it lies in.
    if (fs::exists(device / "partition", error)) {
        return ReadRotational(device.parent_path());
    }
    return ReadRotational(device);
}

bool IsOnRotatingDisk(const std::string& path, const std::string& sysfsRoot)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return false;
    }
    // Major 0 is the kernel's anonymous devices: tmpfs, overlay, network file systems.
    if (major(info.st_dev) == 0) {
        return false;
    }
    return IsRotatingDevice(major(info.st_dev), minor(info.st_dev), sysfsRoot).value_or(false);
}
