#pragma once

#include <string>
#include <string_view>

// Where the settings file lives. Beside the program: "<program path>.ini", or the
// program's name with "ini" in place of an ".exe" extension. When that place cannot be
// written: "$XDG_CONFIG_HOME/tallyfox/tallyfox.ini", where an unset, empty or relative
// XDG_CONFIG_HOME stands for "$HOME/.config".

// "/opt/x/Tallyfox.exe" -> "/opt/x/Tallyfox.ini"; "/opt/x/tallyfox" -> "/opt/x/tallyfox.ini".
[[nodiscard]] std::string IniPathBesideProgram(std::string_view programPath);

// The per-user place, from the values of XDG_CONFIG_HOME and HOME (nullptr when unset);
// empty when neither gives an absolute folder.
[[nodiscard]] std::string IniPathInConfigHome(const char* xdgConfigHome, const char* home);

// The rule as a whole: beside the program when that place is writable (or when there
// is no per-user place), else the per-user place.
[[nodiscard]] std::string ChooseIniPath(std::string_view programPath, bool besideProgramWritable,
                                        const char* xdgConfigHome, const char* home);

// Where the settings are read from and where they are saved; the same file unless the
// settings beside the program cannot be written there.
struct IniFiles {
    std::string readPath;
    std::string writePath;
    [[nodiscard]] bool Moved() const { return readPath != writePath; }
};

// ChooseIniPath decides where the settings are saved. They are read from there too,
// except while only the file beside the program exists and cannot be written: then
// they are read from it, and the first save to the per-user place starts from it.
[[nodiscard]] IniFiles ChooseIniFiles(std::string_view programPath, bool besideProgramWritable, bool besideProgramExists,
                                      bool perUserExists, const char* xdgConfigHome, const char* home);

// True when the folder of `iniPath` is writable and the file, if it exists, is too.
[[nodiscard]] bool IsWritablePlace(const std::string& iniPath);

// The settings file of the program at `programPath`, for this user and environment.
[[nodiscard]] std::string LocateIniFile(std::string_view programPath);
// Where the settings of the program at `programPath` are read from and saved to. The
// folder of an installed program belongs to its package: its settings are saved per
// user even where that folder is writable (by root).
[[nodiscard]] IniFiles LocateIniFiles(std::string_view programPath, bool installed = false);
