#pragma once

#include <string>

// One item of the folder namespace: a file-system folder (its path, without a trailing
// '/' except for "/" itself) or a place that is no file-system folder (empty path).
// The label is what the tree shows.
struct FolderItem {
    std::string path;
    std::string label;
};

// The attributes the tree asks of an item.
struct FolderAttributes {
    bool folder = false;
    bool hasSubFolders = false;
    bool fileSystem = false;
};
