#pragma once

#include <string>

// Where the tree's roots come from: the home folder, the desktop folder and the file
// that lists the mounts. The defaults come from the environment.
struct UserPlaces {
    std::string home;           // no trailing '/'
    std::string desktop;        // may not exist; then the tree has no Desktop root
    std::string mountinfoPath;  // /proc/self/mountinfo
};

// $HOME (or the password database), the XDG desktop folder (XDG_DESKTOP_DIR in
// user-dirs.dirs, else ~/Desktop) and /proc/self/mountinfo.
[[nodiscard]] UserPlaces DefaultUserPlaces();

// The desktop folder named by the user-dirs.dirs text (lines XDG_DESKTOP_DIR="$HOME/...")
// or home + "/Desktop" when the text names none.
[[nodiscard]] std::string DesktopFolderFrom(const std::string& userDirsText, const std::string& home);

// The whole text of a small file; empty when it cannot be read.
[[nodiscard]] std::string ReadWholeText(const std::string& path);
