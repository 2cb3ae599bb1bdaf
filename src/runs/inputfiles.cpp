#include "inputfiles.h"
#include "rowreaderrors.h"

#include "batchesonthreads.h"
#include "treewalk.h"

#include <algorithm>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/stat.h>

namespace {

constexpr std::size_t kInputsPerThread = 1024;  // below this a thread costs more than it saves
constexpr std::size_t kInputsPerRun = 256;      // inputs a thread takes at a time

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool known = false;
};

class Collector {
public:
    Collector(const std::string& listPath, bool hidden, std::size_t inputCount)
        : m_listPath(listPath), m_namer(listPath)
    {
        m_files.chosen.files.reserve(inputCount);
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
            AddFile(input, m_namer.Name(input), info);
        }
    }

    InputFiles Take() { return std::move(m_files); }

private:
    [[nodiscard]] bool IsTheList(const struct stat& info) const noexcept
    {
        return m_list.known && info.st_dev == m_list.device && info.st_ino == m_list.inode;
    }

    void AddFile(const std::string& path, std::string entryName, const struct stat& info)
    {
        if (IsTheList(info)) {
            return;  // the list being written
        }
        ChosenFile file;
        file.path = path;
        file.entryName = std::move(entryName);
        file.size = static_cast<std::uint64_t>(info.st_size);
        file.time = LocalDateTime(info.st_mtime);
        m_files.chosen.totalSize += file.size;
        m_files.chosen.files.push_back(std::move(file));
    }

    void Walk(const std::string& folder)
    {
        WalkTree(
            folder, m_walkOptions,
            [this, &folder](const TreeFile& file) {
                AddFile(file.path, m_namer.NameBelow(folder, file.relative), file.status);
            },
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
    // Every input looked at first, on several threads for many (the time goes into the
    // kernel's path lookups), then taken in argument order.
    std::vector<std::optional<struct stat>> looks(inputs.size());
    RunBatchesOnThreads(inputs.size(), kInputsPerThread, kInputsPerRun,
                        [&](std::size_t begin, std::size_t end, FileBatchReader& reader) {
                            std::vector<AnchoredPath> paths;
                            for (std::size_t first = begin; first < end; first += FileBatchReader::kMaxBatch) {
                                const std::size_t last = std::min(end, first + FileBatchReader::kMaxBatch);
                                paths.clear();
                                for (std::size_t i = first; i < last; ++i) {
                                    paths.push_back({AT_FDCWD, inputs[i].c_str()});
                                }
                                std::ranges::move(reader.Look(paths), looks.begin() + static_cast<std::ptrdiff_t>(first));
                            }
                        });
    Collector collector(listPath, hidden, inputs.size());
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        collector.Add(inputs[i], looks[i]);
    }
    return collector.Take();
}
