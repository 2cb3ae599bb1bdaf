#pragma once

#include "folderitem.h"

#include <optional>
#include <string>
#include <vector>

// The namespace the folder tree walks: its roots, each folder's child folders, their
// attributes, display names and order, and the file-system path of an item. The file
// system is the real one (FileSystemNamespace); tests may put in another.
class FolderNamespace {
public:
    virtual ~FolderNamespace() = default;

    // The root level, in the order the tree shows it.
    [[nodiscard]] virtual std::vector<FolderItem> Roots() const = 0;
    // The child folders of a folder, in no particular order; hidden ones (a leading '.')
    // are not listed. A folder that cannot be read has none.
    [[nodiscard]] virtual std::vector<FolderItem> ChildFolders(const FolderItem& folder) const = 0;
    [[nodiscard]] virtual FolderAttributes Attributes(const FolderItem& item) const = 0;
    // Whether the item can be opened as a folder (it is one, readable or not).
    [[nodiscard]] virtual bool OpenAsFolder(const FolderItem& item) const = 0;
    [[nodiscard]] virtual std::string DisplayName(const FolderItem& item) const = 0;
    // The folder's own order of two of its children: <0, 0 or >0.
    [[nodiscard]] virtual int Compare(const FolderItem& a, const FolderItem& b) const = 0;
    // The path of a file-system item; nothing for other items.
    [[nodiscard]] virtual std::optional<std::string> FileSystemPath(const FolderItem& item) const = 0;
};
