#pragma once

#include <string>
#include <vector>

class ChecksumList;

// What loading a list, or every list beneath a folder, gave tallyfox-check. Each
// problem has been named on stderr.
struct CheckLoad {
    bool loaded = false;      // there are rows to verify
    bool incomplete = false;  // a list is marked incomplete (its making was cut short)
    bool unreadable = false;  // a list or a folder of the tree could not be read
    std::vector<std::string> listPaths;  // the lists read, as paths to open
};

// One list, as the window opens it.
[[nodiscard]] CheckLoad LoadOneList(const std::string& path, ChecksumList& list);

// Every list beneath `folder` (hidden ones only with `hidden`) into one list of rows
// named relative to the folder; a list that cannot be read is named and left out.
[[nodiscard]] CheckLoad LoadListTree(const std::string& folder, bool hidden, ChecksumList& list);
