#include "folderlisting.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// Closes the folder on every path.
class FolderHandle {
public:
    explicit FolderHandle(const std::string& folder)
    {
        const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor < 0) {
            m_error = errno;
            return;
        }
        m_dir = ::fdopendir(descriptor);
        if (m_dir == nullptr) {
            m_error = errno;
            ::close(descriptor);
        }
    }
    ~FolderHandle()
    {
        if (m_dir != nullptr) {
            ::closedir(m_dir);
        }
    }
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;

    [[nodiscard]] DIR* Get() const noexcept { return m_dir; }
    [[nodiscard]] int Error() const noexcept { return m_error; }

private:
    DIR* m_dir = nullptr;
    int m_error = 0;
};

bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

}  // namespace

std::vector<FileRecord> ListFolderFiles(const std::string& folder, int* error)
{
    std::vector<FileRecord> records;
    const FolderHandle handle(folder);
    if (error != nullptr) {
        *error = handle.Error();
    }
    if (handle.Get() == nullptr) {
        return records;
    }
    const int descriptor = ::dirfd(handle.Get());
    while (const dirent* entry = ::readdir(handle.Get())) {
        if (entry->d_type == DT_DIR || IsDotOrDotDot(entry->d_name)) {
            continue;
        }
        struct stat info {};
        if (::fstatat(descriptor, entry->d_name, &info, 0) != 0 &&
            ::fstatat(descriptor, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;  // gone since the folder was read
        }
        if (S_ISDIR(info.st_mode)) {
            continue;
        }
        FileRecord& record = records.emplace_back();
        record.name.assign(entry->d_name);
        record.size = static_cast<std::uint64_t>(info.st_size);
        record.modified = info.st_mtim.tv_sec;
        record.time = MakeFileTimeFields(info.st_mtim.tv_sec, info.st_mtim.tv_nsec);
        record.dateText = FormatDateText(record.time);
    }
    return records;
}
