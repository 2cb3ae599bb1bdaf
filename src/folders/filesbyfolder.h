#pragma once

#include "treewalk.h"

#include <string>
#include <vector>

// The files of one folder of a tree, for a list of its own.
struct FolderOfFiles {
    std::string folder;              // ending in '/'
    std::vector<std::string> files;  // paths, by name
};

struct FilesByFolder {
    std::vector<FolderOfFiles> folders;  // the folders that hold files, in walk order
    std::vector<TreeProblem> problems;   // what the walk could not reach
};

// Every regular file beneath `folder` (ending in '/'), grouped by the folder that holds
// it directly, walked as WalkTree walks.
[[nodiscard]] FilesByFolder GroupFilesByFolder(const std::string& folder, const TreeWalkOptions& options);

// The name of a folder's own list: the folder's name and `extension` ("album.sfv" for
// ".../album/"); the real folder's name for "." and the like, "list" for the root.
[[nodiscard]] std::string FolderListName(const std::string& folder, const std::string& extension);
