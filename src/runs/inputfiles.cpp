#include "inputfiles.h"
#include "rowreaderrors.h"

#include "filebatchreader.h"
#include "treewalk.h"

#include <algorithm>

#include <cerrno>
#include <cstring>
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
    Collector(const std::string& listPath, bool hidden) : m_listPath(listPath), m_namer(listPath)
    {
        struct stat info {};
        if (::stat(listPath.c_str(), &info) == 0) {
            m_list = {info.st_dev, info.st_ino, true};
        }
        m_walkOptions.hidden = hidden;
    }

    // `looked`: the input's status when already looked at.
    void Add(const std::string& input, const std::optional<struct stat>& looked)
    {
        struct stat info {};
        if (looked) {
            info = *looked;
        } else if (::stat(input.c_str(), &info) != 0) {
            const int error = errno;  // naming the file may change errno
            m_files.missing.push_back({EntryNameForList(m_listPath, input), ErrorText(error)});
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
        WalkTree(
            folder, m_walkOptions, [this](const TreeFile& file) { AddFile(file.path, file.status); },
            [this](const TreeProblem& problem) {
                m_files.missing.push_back({problem.folder ? EntryNameForList(m_listPath, problem.path)
                                                          : m_namer.Name(problem.path),
                                           ErrorText(problem.error)});
            });
    }

    const std::string& m_listPath;
    EntryNamer m_namer;
    FileIdentity m_list;
    TreeWalkOptions m_walkOptions;
    InputFiles m_files;
};

}  // namespace

InputFiles CollectInputFiles(const std::vector<std::string>& inputs, const std::string& listPath, bool hidden)
{
    Collector collector(listPath, hidden);
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
