#pragma once

#include <string>

// The folders a package installs the program into (the build's configured install
// prefix: /usr for the Debian package).
struct InstallLayout {
    std::string binDir;   // where the programs are, e.g. /usr/bin
    std::string dataDir;  // where the desktop entry, icons and MIME types are, e.g. /usr/share
};

// The layout this build was configured for.
[[nodiscard]] InstallLayout ConfiguredInstallLayout();

// Whether the program at programPath is an installed Tallyfox: it is the tallyfox of the
// layout's bindir (the same file, whatever links lead there) and the desktop entry that
// comes with it is in place. An installed program leaves the desktop entry, icons and
// MIME types to its package; one run from a build folder registers them for its user.
[[nodiscard]] bool IsInstalledProgram(const std::string& programPath, const InstallLayout& layout);
