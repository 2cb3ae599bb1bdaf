#include "iniplace.h"

#include "asciitext.h"

#include <cerrno>
#include <cstdlib>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsAbsolute(const char* path)
{
    return path != nullptr && path[0] == '/';
}

std::string WithoutTrailingSlashes(std::string path)
{
    while (!path.empty() && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

bool EndsWithExe(std::string_view path)
{
    if (path.size() < 4) {
        return false;
    }
    const std::string_view tail = path.substr(path.size() - 4);
    const std::size_t slash = path.rfind('/');
    // ".exe" alone as the whole file name is a hidden file, not an extension.
    if (slash != std::string_view::npos && slash + 1 == path.size() - 4) {
        return false;
    }
    return tail[0] == '.' && AsciiLower(tail[1]) == 'e' && AsciiLower(tail[2]) == 'x' && AsciiLower(tail[3]) == 'e';
}

// The user's home folder from the password database, for a process without HOME.
std::string HomeFromPasswordDatabase()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384u);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        found->pw_dir == nullptr) {
        return {};
    }
    return found->pw_dir;
}

} // namespace

std::string IniPathBesideProgram(std::string_view programPath)
{
    if (EndsWithExe(programPath)) {
        return std::string(programPath.substr(0, programPath.size() - 3)) + "ini";
    }
    return std::string(programPath) + ".ini";
}

std::string IniPathInConfigHome(const char* xdgConfigHome, const char* home)
{
    std::string configHome;
    if (IsAbsolute(xdgConfigHome)) {
        configHome = WithoutTrailingSlashes(xdgConfigHome);
    } else if (IsAbsolute(home)) {
        configHome = WithoutTrailingSlashes(home) + "/.config";
    } else {
        return {};
    }
    return configHome + "/tallyfox/tallyfox.ini";
}

std::string ChooseIniPath(std::string_view programPath, bool besideProgramWritable, const char* xdgConfigHome,
                          const char* home)
{
    if (!besideProgramWritable) {
        std::string perUser = IniPathInConfigHome(xdgConfigHome, home);
        if (!perUser.empty()) {
            return perUser;
        }
    }
    return IniPathBesideProgram(programPath);
}

bool IsWritablePlace(const std::string& iniPath)
{
    const std::size_t slash = iniPath.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : iniPath.substr(0, slash));
    if (::access(folder.c_str(), W_OK) != 0) {
        return false;
    }
    struct stat status{};
    if (::stat(iniPath.c_str(), &status) != 0) {
        return errno == ENOENT;
    }
    // A folder or other non-file in the settings file's place cannot be replaced.
    return S_ISREG(status.st_mode) && ::access(iniPath.c_str(), W_OK) == 0;
}

IniFiles ChooseIniFiles(std::string_view programPath, bool besideProgramWritable, bool besideProgramExists,
                        bool perUserExists, const char* xdgConfigHome, const char* home)
{
    IniFiles files;
    files.writePath = ChooseIniPath(programPath, besideProgramWritable, xdgConfigHome, home);
    files.readPath = files.writePath;
    const std::string beside = IniPathBesideProgram(programPath);
    if (files.writePath != beside && !perUserExists && besideProgramExists) {
        files.readPath = beside;
    }
    return files;
}

IniFiles LocateIniFiles(std::string_view programPath, bool installed)
{
    const std::string beside = IniPathBesideProgram(programPath);
    const bool writable = !installed && !programPath.empty() && IsWritablePlace(beside);
    const char* home = std::getenv("HOME");
    std::string homeFromDatabase;
    if (home == nullptr || home[0] == '\0') {
        homeFromDatabase = HomeFromPasswordDatabase();
        home = homeFromDatabase.c_str();
    }
    const char* xdgConfigHome = std::getenv("XDG_CONFIG_HOME");
    const std::string perUser = IniPathInConfigHome(xdgConfigHome, home);
    const auto exists = [](const std::string& path) { return !path.empty() && ::access(path.c_str(), F_OK) == 0; };
    return ChooseIniFiles(programPath, writable, !programPath.empty() && exists(beside), exists(perUser),
                          xdgConfigHome, home);
}

std::string LocateIniFile(std::string_view programPath)
{
    return LocateIniFiles(programPath).writePath;
}
