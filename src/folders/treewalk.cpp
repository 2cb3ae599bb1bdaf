#include "treewalk.h"

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <vector>

#include <dirent.h>

namespace {

class TreeWalker {
public:
    TreeWalker(std::size_t rootLength, const TreeWalkOptions& options,
               const std::function<void(const TreeFile&)>& onFile,
               const std::function<void(const TreeProblem&)>& onProblem)
        : m_rootLength(rootLength), m_options(options), m_onFile(onFile), m_onProblem(onProblem)
    {
    }

    void Walk(const std::string& folder)
    {
        for (const std::string& name : SortedNames(folder)) {
            if (!m_options.hidden && IsHiddenName(name)) {
                continue;
            }
            Visit(folder + name);
        }
    }

private:
    std::vector<std::string> SortedNames(const std::string& folder)
    {
        std::vector<std::string> names;
        DIR* dir = ::opendir(folder.c_str());
        if (dir == nullptr) {
            const int error = errno;
            m_onProblem({folder, error, true});
            return names;
        }
        for (;;) {
            errno = 0;
            const dirent* entry = ::readdir(dir);
            if (entry == nullptr) {
                if (const int error = errno; error != 0) {
                    m_onProblem({folder, error, true});
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
        return names;
    }

    void Visit(const std::string& path)
    {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            if (const int error = errno; error != ENOENT) {
                m_onProblem({path, error, false});  // no access, or a path past PATH_MAX
            }
            return;  // else gone since the folder was read
        }
        if (S_ISDIR(info.st_mode)) {
            Walk(path + "/");
            return;
        }
        if (S_ISLNK(info.st_mode)) {
            if (::stat(path.c_str(), &info) != 0) {
                if (const int error = errno; error != ENOENT) {
                    m_onProblem({path, error, false});
                }
                return;  // else a dangling link, which names no file
            }
            if (S_ISDIR(info.st_mode)) {
                return;  // a link to a folder is not followed
            }
        }
        if (S_ISREG(info.st_mode)) {
            m_onFile({path, std::string_view(path).substr(m_rootLength), info});
        }
    }

    std::size_t m_rootLength;
    const TreeWalkOptions& m_options;
    const std::function<void(const TreeFile&)>& m_onFile;
    const std::function<void(const TreeProblem&)>& m_onProblem;
};

}  // namespace

void WalkTree(const std::string& folder, const TreeWalkOptions& options,
              const std::function<void(const TreeFile&)>& onFile,
              const std::function<void(const TreeProblem&)>& onProblem)
{
    TreeWalker walker(folder.size(), options, onFile, onProblem);
    walker.Walk(folder);
}
