#include "installlocation.h"

#include <filesystem>
#include <system_error>

InstallLayout ConfiguredInstallLayout()
{
    return {TALLYFOX_INSTALL_BINDIR, TALLYFOX_INSTALL_DATADIR};
}

bool IsInstalledProgram(const std::string& programPath, const InstallLayout& layout)
{
    if (programPath.empty() || layout.binDir.empty() || layout.dataDir.empty()) {
        return false;
    }
    std::error_code error;
    const bool sameFile = std::filesystem::equivalent(programPath, layout.binDir + "/tallyfox", error);
    if (error || !sameFile) {
        return false;
    }
    return std::filesystem::is_regular_file(layout.dataDir + "/applications/tallyfox.desktop", error);
}
