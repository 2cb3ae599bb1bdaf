#pragma once

#include <fcntl.h>

#include <string>

// Where a path is looked up from: a descriptor of a folder (or AT_FDCWD) and the path
// from there, as the *at system calls take them.
struct AnchoredPath {
    int folderFd = AT_FDCWD;
    const char* path = "";
};

// An opened folder that the paths below it are looked up from, so that looking up
// a file in it walks only the part of its path below the folder: a run looks every
// file of a list up several times, and most share the list's folder. A folder that
// cannot be opened anchors nothing (paths are then looked up whole).
class FolderAnchor {
public:
    // Anchors nothing.
    FolderAnchor() = default;
    // `folder` must end in '/' to anchor anything.
    explicit FolderAnchor(std::string folder);
    ~FolderAnchor();
    FolderAnchor(const FolderAnchor&) = delete;
    FolderAnchor& operator=(const FolderAnchor&) = delete;

    // `path` below the folder (its text starts with the folder's) as the rest of it
    // from the folder's descriptor; any other path as it is. Valid while `path` is.
    [[nodiscard]] AnchoredPath Anchor(const std::string& path) const noexcept;

private:
    std::string m_folder;
    int m_fd = -1;
};
