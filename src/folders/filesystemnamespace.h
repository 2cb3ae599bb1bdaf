#pragma once

#include "foldernamespace.h"
#include "userplaces.h"

// The namespace over the real file system. Roots: "/" (it stands for the drives),
// Home, Desktop when it exists, then the user's mounted volumes. Every item is a
// file-system folder; children are the sub-folders that do not start with '.',
// in case-insensitive natural order.
class FileSystemNamespace final : public FolderNamespace {
public:
    explicit FileSystemNamespace(UserPlaces places = DefaultUserPlaces());

    [[nodiscard]] std::vector<FolderItem> Roots() const override;
    [[nodiscard]] std::vector<FolderItem> ChildFolders(const FolderItem& folder) const override;
    // "Has sub-folders" stops at the first sub-folder it finds and gives up (answering
    // yes) after a bounded number of entries, so a huge folder costs no full scan.
    [[nodiscard]] FolderAttributes Attributes(const FolderItem& item) const override;
    [[nodiscard]] bool OpenAsFolder(const FolderItem& item) const override;
    [[nodiscard]] std::string DisplayName(const FolderItem& item) const override;
    [[nodiscard]] int Compare(const FolderItem& a, const FolderItem& b) const override;
    [[nodiscard]] std::optional<std::string> FileSystemPath(const FolderItem& item) const override;

private:
    UserPlaces m_places;
};

// Whether a folder has a sub-folder not starting with '.', looking at no more than
// `entryLimit` entries (beyond that the answer is yes). An unreadable folder has none.
[[nodiscard]] bool HasSubFolders(const std::string& folder, int entryLimit);
