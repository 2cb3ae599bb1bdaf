#include "userplaces.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>

namespace {

std::string HomeFolder()
{
    const char* home = std::getenv("HOME");
    std::string folder = (home != nullptr && home[0] == '/') ? home : "";
    if (folder.empty()) {
        if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr) {
            folder = entry->pw_dir;
        }
    }
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

}  // namespace

std::string DesktopFolderFrom(const std::string& userDirsText, const std::string& home)
{
    constexpr std::string_view key = "XDG_DESKTOP_DIR=";
    std::istringstream lines(userDirsText);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0) {
            continue;
        }
        std::string value = line.substr(start + key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        if (value.rfind("$HOME", 0) == 0) {
            value = home + value.substr(5);
        }
        while (value.size() > 1 && value.back() == '/') {
            value.pop_back();
        }
        if (!value.empty() && value.front() == '/') {
            return value;
        }
    }
    return home + "/Desktop";
}

UserPlaces DefaultUserPlaces()
{
    UserPlaces places;
    places.home = HomeFolder();
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const std::string config = (configHome != nullptr && configHome[0] == '/') ? configHome : places.home + "/.config";
    places.desktop = DesktopFolderFrom(ReadWholeText(config + "/user-dirs.dirs"), places.home);
    places.mountinfoPath = "/proc/self/mountinfo";
    return places;
}

std::string ReadWholeText(const std::string& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}
