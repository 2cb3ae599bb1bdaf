#include "inputfiles.h"

#include "filebatchreader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <optional>
#include <sys/stat.h>

namespace {

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool known = false;
};

class Collector {
public:
    explicit Collector(const std::string& listPath) : m_listPath(listPath), m_namer(listPath)
    {
        struct stat info {};
        if (::stat(listPath.c_str(), &info) == 0) {
            m_list = {info.st_dev, info.st_ino, true};
        }
    }

    // `looked`: the input's status when already looked at.
    void Add(const std::string& input, const std::optional<struct stat>& looked)
    {
        struct stat info {};
        if (looked) {
            info = *looked;
        } else if (::stat(input.c_str(), &info) != 0) {
            const int error = errno;  // naming the file may change errno
            m_files.missing.push_back({EntryNameForList(m_listPath, input), std::strerror(error)});
            return;
        }
        if (S_ISDIR(info.st_mode)) {
            Walk(input.empty() || input.back() == '/' ? input : input + "/");
        } else {
            m_files.listNamedAsInput = m_files.listNamedAsInput || IsTheList(info);
            AddFile(input, info);
        }
    }

    InputFiles Take() { return std::move(m_files); }

private:
    [[nodiscard]] bool IsTheList(const struct stat& info) const noexcept
    {
        return m_list.known && info.st_dev == m_list.device && info.st_ino == m_list.inode;
    }

    // A file or folder the walk cannot reach is named, so it is not silently missing.
    void Unreachable(const std::string& path, int error)
    {
        m_files.missing.push_back({m_namer.Name(path), std::strerror(error)});
    }

    void AddFile(const std::string& path, const struct stat& info)
    {
        if (IsTheList(info)) {
            return;  // the list being written
        }
        ChosenFile file;
        file.path = path;
        file.entryName = m_namer.Name(path);
        file.size = static_cast<std::uint64_t>(info.st_size);
        file.time = LocalDateTime(info.st_mtime);
        m_files.chosen.totalSize += file.size;
        m_files.chosen.files.push_back(std::move(file));
    }

    void Walk(const std::string& folder)
    {
        DIR* dir = ::opendir(folder.c_str());
        if (dir == nullptr) {
            const int error = errno;
            m_files.missing.push_back({EntryNameForList(m_listPath, folder), std::strerror(error)});
            return;
        }
        std::vector<std::string> names;
        for (;;) {
            errno = 0;
            const dirent* entry = ::readdir(dir);
            if (entry == nullptr) {
                if (const int error = errno; error != 0) {
                    m_files.missing.push_back({EntryNameForList(m_listPath, folder), std::strerror(error)});
                }
                break;
            }
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..") {
                names.emplace_back(name);
            }
        }
        ::closedir(dir);
        std::sort(names.begin(), names.end());
        for (const std::string& name : names) {
            const std::string path = folder + name;
            struct stat info {};
            if (::lstat(path.c_str(), &info) != 0) {
                if (errno != ENOENT) {
                    Unreachable(path, errno);  // no access, or a path past PATH_MAX
                }
                continue;  // else gone since the folder was read
            }
            if (S_ISLNK(info.st_mode) && ::stat(path.c_str(), &info) != 0) {
                if (errno != ENOENT) {
                    Unreachable(path, errno);
                }
                continue;  // else a dangling link, which names no file
            }
            if (S_ISDIR(info.st_mode)) {
                struct stat linkInfo {};
                if (::lstat(path.c_str(), &linkInfo) == 0 && !S_ISLNK(linkInfo.st_mode)) {
                    Walk(path + "/");
                }
            } else if (S_ISREG(info.st_mode)) {
                AddFile(path, info);
            }
        }
    }

    const std::string& m_listPath;
    EntryNamer m_namer;
    FileIdentity m_list;
    InputFiles m_files;
};

}  // namespace

InputFiles CollectInputFiles(const std::vector<std::string>& inputs, const std::string& listPath)
{
    Collector collector(listPath);
    // The inputs looked at in batches: one submission for many where io_uring is offered.
    FileBatchReader reader(0);
    for (std::size_t first = 0; first < inputs.size(); first += FileBatchReader::kMaxBatch) {
        const std::size_t count = std::min(FileBatchReader::kMaxBatch, inputs.size() - first);
        std::vector<AnchoredPath> paths;
        for (std::size_t i = first; i < first + count; ++i) {
            paths.push_back({AT_FDCWD, inputs[i].c_str()});
        }
        const std::vector<std::optional<struct stat>> looks = reader.Look(paths);
        for (std::size_t i = 0; i < count; ++i) {
            collector.Add(inputs[first + i], looks[i]);
        }
    }
    return collector.Take();
}
