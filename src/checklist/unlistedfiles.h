#pragma once

#include <string>
#include <vector>

class ChecksumList;

struct UnlistedFiles {
    // Below the list's base folder ("sub/a.bin", "../other/b.bin"), in folder order
    // and by name within a folder.
    std::vector<std::string> names;
    // Folders and entries that could not be read, as "path: reason".
    std::vector<std::string> unreachable;
};

struct UnlistedScope {
    bool wholeTree = false;  // every file beneath the base folder, else the covered folders
    bool hidden = false;     // also hidden files and folders
    std::vector<std::string> listPaths;  // the lists themselves, never reported
};

// The files no row of `list` names. The folders looked at are, for a whole tree, every
// folder beneath the list's base folder (links to folders not followed); otherwise the
// base folder and each folder a row's name reaches. A file is named by a row when both
// lead to the same directory entry: the same name in the same real folder, so
// "sub/../a.bin" and a link to the folder name what they reach.
[[nodiscard]] UnlistedFiles FindUnlistedFiles(const ChecksumList& list, const UnlistedScope& scope);
