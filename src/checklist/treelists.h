#pragma once

// A folder of lists: every checksum list beneath a folder, found by name, read into one
// content whose rows are every entry of every list, named relative to the folder, so
// that one verification run checks them all.

#include "checksumlistcontent.h"

#include <string>
#include <string_view>
#include <vector>

// Whether a file name is one of a checksum list: ".sfv", ".md5", ".sha" followed by a
// digit (".sha1", ".sha256", ".sha3-256"), ".b2", ".b3" (any case), or a name ending in
// "SUMS" (MD5SUMS, SHA256SUMS, B2SUMS).
[[nodiscard]] bool IsListFileName(std::string_view name) noexcept;

struct TreeListsFound {
    std::vector<std::string> lists;  // paths below the folder, in sorted walk order
    // Folders and entries the walk could not reach, each as "path: reason" with the path
    // below the folder.
    std::vector<std::string> unreachable;
};

// The lists beneath `folder` (ending in '/'): hidden ones and those in hidden folders
// only when `hidden`; links to folders are not followed.
[[nodiscard]] TreeListsFound FindTreeLists(const std::string& folder, bool hidden);

struct TreeLoad {
    ChecksumListContent content;  // listPath: the folder without its last '/'
    std::vector<std::string> lists;  // the lists found, as paths below the folder
    std::vector<std::string> unreachable;  // as TreeListsFound has them
    std::vector<std::string> unreadable;  // "Open [path] failed." and the like, per list
    std::vector<std::string> warnings;    // per list, prefixed with its path below the folder
    std::vector<std::string> incomplete;  // lists whose making was cut short
    std::vector<std::string> empty;       // lists holding no checksum line
};

// Reads the lists at `lists` (paths below `folder`, which ends in '/') one after the
// other into one content: each entry keeps its checksum and algorithm, and its name is
// the list's folder below `folder` joined to the entry's name (a leading "../" of the
// name taken back against that folder, whose parent it is, since the walk reached it
// through no link); absolute names stay as they are. A list that cannot be read adds
// no row and is named in `unreadable`.
[[nodiscard]] TreeLoad LoadTreeLists(const std::string& folder, const std::vector<std::string>& lists, int sizeType);

// FindTreeLists and LoadTreeLists in one: every list beneath `folder` (ending in '/').
[[nodiscard]] TreeLoad LoadListFolder(const std::string& folder, bool hidden, int sizeType);

// The name an entry of a list in `listFolder` (below the tree's folder, "" or ending in
// '/') has relative to the tree's folder.
[[nodiscard]] std::string TreeEntryName(std::string_view listFolder, std::string_view name);
