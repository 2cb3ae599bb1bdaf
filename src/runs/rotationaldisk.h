#pragma once

#include <optional>
#include <string>

// Whether files live on a rotating disk, read from the kernel's block-device tree
// (sysfs). `sysfsRoot` is "/sys" except in tests, which build a tree of their own.

// The block device MAJ:MIN as <sysfsRoot>/dev/block/MAJ:MIN names it (a link into
// <sysfsRoot>/devices/...): a partition answers for its disk (the folder above it);
// any other device (device-mapper, md, loop, a whole disk) by its own
// queue/rotational. Nothing when the tree does not say.
[[nodiscard]] std::optional<bool> IsRotatingDevice(unsigned major, unsigned minor, const std::string& sysfsRoot);

// The device holding `path` (a file or folder): true only when it is known to rotate.
// A file system without a block device of its own (tmpfs, a network file system) or a
// path that cannot be looked up counts as not rotating.
[[nodiscard]] bool IsOnRotatingDisk(const std::string& path, const std::string& sysfsRoot = "/sys");
