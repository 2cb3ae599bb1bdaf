#include "filesystemnamespace.h"

#include "mountpoints.h"
#include "naturalorder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace {

// Entries "has sub-folders" looks at before it answers yes without knowing.
constexpr int kSubFolderScanLimit = 4096;

struct DirCloser {
    void operator()(DIR* dir) const noexcept { ::closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

DirHandle OpenFolder(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return nullptr;
    }
    DIR* dir = ::fdopendir(descriptor);
    if (dir == nullptr) {
        ::close(descriptor);
    }
    return DirHandle(dir);
}

bool IsDirectory(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Whether an entry is a folder: its type when the file system reports one, a stat
// (following links) only for links and unknown types.
bool EntryIsFolder(int folderDescriptor, const dirent& entry)
{
    if (entry.d_type == DT_DIR) {
        return true;
    }
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) {
        return false;
    }
    struct stat info {};
    return ::fstatat(folderDescriptor, entry.d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

bool IsHiddenOrDot(const char* name)
{
    return name[0] == '.';
}

std::string Join(const std::string& folder, const char* name)
{
    return folder == "/" ? "/" + std::string(name) : folder + "/" + name;
}

std::string LastComponent(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos || slash + 1 == path.size() ? path : path.substr(slash + 1);
}

}  // namespace

bool HasSubFolders(const std::string& folder, int entryLimit)
{
    const DirHandle dir = OpenFolder(folder);
    if (!dir) {
        return false;
    }
    const int descriptor = ::dirfd(dir.get());
    int seen = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (++seen > entryLimit) {
            return true;  // too many to look at for an expander: let expansion tell
        }
        if (!IsHiddenOrDot(entry->d_name) && EntryIsFolder(descriptor, *entry)) {
            return true;
        }
    }
    return false;
}

FileSystemNamespace::FileSystemNamespace(UserPlaces places) : m_places(std::move(places)) {}

std::vector<FolderItem> FileSystemNamespace::Roots() const
{
    std::vector<FolderItem> roots;
    roots.push_back({"/", "/"});
    const std::string& home = m_places.home;
    if (!home.empty() && home != "/" && IsDirectory(home)) {
        roots.push_back({home, "Home"});
    }
    const std::string& desktop = m_places.desktop;
    if (!desktop.empty() && desktop != home && desktop != "/" && IsDirectory(desktop)) {
        roots.push_back({desktop, LastComponent(desktop)});
    }
    for (const std::string& point : UserMountPoints(ReadWholeText(m_places.mountinfoPath), home)) {
        if (point != desktop && IsDirectory(point)) {
            roots.push_back({point, LastComponent(point)});
        }
    }
    return roots;
}

std::vector<FolderItem> FileSystemNamespace::ChildFolders(const FolderItem& folder) const
{
    std::vector<FolderItem> children;
    if (folder.path.empty()) {
        return children;
    }
    const DirHandle dir = OpenFolder(folder.path);
    if (!dir) {
        return children;
    }
    const int descriptor = ::dirfd(dir.get());
    while (const dirent* entry = ::readdir(dir.get())) {
        if (!IsHiddenOrDot(entry->d_name) && EntryIsFolder(descriptor, *entry)) {
            children.push_back({Join(folder.path, entry->d_name), entry->d_name});
        }
    }
    return children;
}

FolderAttributes FileSystemNamespace::Attributes(const FolderItem& item) const
{
    FolderAttributes attributes;
    if (item.path.empty()) {
        return attributes;
    }
    attributes.folder = true;
    attributes.fileSystem = true;
    attributes.hasSubFolders = HasSubFolders(item.path, kSubFolderScanLimit);
    return attributes;
}

bool FileSystemNamespace::OpenAsFolder(const FolderItem& item) const
{
    // Like binding to a shell folder, opening needs no access to the contents: a
    // folder that cannot be read still opens (and lists nothing).
    return !item.path.empty();
}

std::string FileSystemNamespace::DisplayName(const FolderItem& item) const
{
    return item.label;
}

int FileSystemNamespace::Compare(const FolderItem& a, const FolderItem& b) const
{
    return CompareNatural(a.label, b.label);
}

std::optional<std::string> FileSystemNamespace::FileSystemPath(const FolderItem& item) const
{
    if (item.path.empty()) {
        return std::nullopt;
    }
    return item.path;
}
