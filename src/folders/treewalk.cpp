#include "treewalk.h"

#include "folderreadahead.h"

#include <algorithm>
#include <cerrno>
#include <thread>

namespace {

constexpr std::size_t kMaxHelpers = 4;

class TreeWalker {
public:
    TreeWalker(std::size_t rootLength, const TreeWalkOptions& options,
               const std::function<void(const TreeFile&)>& onFile,
               const std::function<void(const TreeProblem&)>& onProblem)
        : m_rootLength(rootLength),
          m_readAhead(options.hidden, std::min<std::size_t>(kMaxHelpers, std::thread::hardware_concurrency())),
          m_onFile(onFile),
          m_onProblem(onProblem)
    {
    }

    void Walk(const std::string& folder, bool isRoot)
    {
        const FolderContent content = m_readAhead.Take(folder);
        if (content.error != 0 && (isRoot || content.error != ENOENT)) {
            m_onProblem({folder, content.error, true});  // else gone since its parent was read
        }
        for (const FolderEntry& entry : content.entries) {
            Visit(folder, entry);
        }
    }

private:
    void Visit(const std::string& folder, const FolderEntry& entry)
    {
        const std::string path = folder + entry.name;
        if (entry.folder) {
            Walk(path + "/", false);
            return;
        }
        struct stat info = entry.status;
        if (!entry.looked) {
            // Not looked at (a path too long for the kernel), or the look failed: an
            // entry removed since, or a dangling link, is no file; a failure through a
            // link says nothing of the link itself, so that is looked at unfollowed.
            if (::lstat(path.c_str(), &info) != 0) {
                if (const int error = errno; error != ENOENT) {
                    m_onProblem({path, error, false});  // no access, or a path past PATH_MAX
                }
                return;
            }
            if (S_ISLNK(info.st_mode)) {
                if (entry.error != 0 && entry.error != ENOENT) {
                    m_onProblem({path, entry.error, false});
                }
                return;
            }
        }
        if (S_ISDIR(info.st_mode)) {
            // A folder whose entry did not say so is walked; a link to a folder is not followed.
            struct stat own {};
            if (::lstat(path.c_str(), &own) == 0 && S_ISDIR(own.st_mode)) {
                Walk(path + "/", false);
            }
            return;
        }
        if (S_ISREG(info.st_mode)) {
            m_onFile({path, std::string_view(path).substr(m_rootLength), info});
        }
    }

    std::size_t m_rootLength;
    FolderReadAhead m_readAhead;
    const std::function<void(const TreeFile&)>& m_onFile;
    const std::function<void(const TreeProblem&)>& m_onProblem;
};

}  // namespace

void WalkTree(const std::string& folder, const TreeWalkOptions& options,
              const std::function<void(const TreeFile&)>& onFile,
              const std::function<void(const TreeProblem&)>& onProblem)
{
    TreeWalker walker(folder.size(), options, onFile, onProblem);
    walker.Walk(folder, true);
}
