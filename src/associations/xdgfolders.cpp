#include "xdgfolders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

bool IsAbsolute(const char* value)
{
    return value != nullptr && value[0] == '/';
}

}  // namespace

XdgFolders XdgFoldersFrom(const std::function<const char*(const char*)>& environment)
{
    const char* home = environment("HOME");
    const std::string homeFolder = home != nullptr ? WithoutTrailingSlashes(home) : std::string();
    XdgFolders folders;
    const char* dataHome = environment("XDG_DATA_HOME");
    folders.dataHome = IsAbsolute(dataHome) ? WithoutTrailingSlashes(dataHome) : homeFolder + "/.local/share";
    const char* configHome = environment("XDG_CONFIG_HOME");
    folders.configHome = IsAbsolute(configHome) ? WithoutTrailingSlashes(configHome) : homeFolder + "/.config";

    const char* dataDirs = environment("XDG_DATA_DIRS");
    std::string list = dataDirs != nullptr && dataDirs[0] != '\0' ? dataDirs : "/usr/local/share:/usr/share";
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t colon = list.find(':', start);
        if (colon == std::string::npos) {
            colon = list.size();
        }
        const std::string folder = list.substr(start, colon - start);
        if (IsAbsolute(folder.c_str())) {
            folders.dataDirs.push_back(WithoutTrailingSlashes(folder));
        }
        start = colon + 1;
    }
    return folders;
}

XdgFolders XdgFoldersFromEnvironment()
{
    return XdgFoldersFrom([](const char* name) { return std::getenv(name); });
}

std::string RunningProgramPath()
{
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}
