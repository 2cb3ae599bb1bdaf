#pragma once

#include <functional>
#include <string>
#include <vector>

// The freedesktop base folders the associations use, each without a trailing '/'.
struct XdgFolders {
    std::string dataHome;               // $XDG_DATA_HOME, default ~/.local/share
    std::string configHome;             // $XDG_CONFIG_HOME, default ~/.config
    std::vector<std::string> dataDirs;  // $XDG_DATA_DIRS, default /usr/local/share:/usr/share
};

// Reads the folders from an environment lookup (nullptr or empty: not set). A
// relative path in a variable is ignored, as the base-directory rules say.
[[nodiscard]] XdgFolders XdgFoldersFrom(const std::function<const char*(const char*)>& environment);
// The folders of this process's environment.
[[nodiscard]] XdgFolders XdgFoldersFromEnvironment();

// The running program's own path (/proc/self/exe); empty when it cannot be read.
[[nodiscard]] std::string RunningProgramPath();
