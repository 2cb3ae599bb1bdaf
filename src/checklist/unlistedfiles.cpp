#include "unlistedfiles.h"
#include "rowreaderrors.h"

#include "checksumlist.h"
#include "entrytraits.h"
#include "treewalk.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include <dirent.h>
#include <sys/stat.h>

namespace {

// Real paths of folders, each looked up once: a list's rows mostly share a few folders.
class RealFolders {
public:
    // The real path of the folder part of `path` (with a trailing '/'), or empty when it
    // cannot be resolved.
    const std::string& Of(std::string_view folder)
    {
        const auto [place, added] = m_known.try_emplace(std::string(folder));
        if (added) {
            const std::string asked = folder.empty() ? std::string(".") : std::string(folder);
            if (char* real = ::realpath(asked.c_str(), nullptr)) {
                place->second = real;
                std::free(real);
                if (place->second.back() != '/') {
                    place->second += '/';
                }
            }
        }
        return place->second;
    }

private:
    std::unordered_map<std::string, std::string> m_known;
};

// "real folder/name" of a path, or empty when its folder cannot be resolved.
std::string EntryIdentity(RealFolders& folders, const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string_view folder = slash == std::string::npos ? std::string_view() : std::string_view(path).substr(0, slash + 1);
    const std::string& real = folders.Of(folder);
    return real.empty() ? std::string() : real + path.substr(slash + 1);
}

std::string Problem(const std::string& path, int error)
{
    return path + ": " + ErrorText(error);
}

// The regular files directly in `folder` (ending in '/'), by name.
std::vector<std::string> FilesIn(const std::string& folder, bool hidden, std::vector<std::string>& unreachable)
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        unreachable.push_back(Problem(folder, errno));
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == ".." || (!hidden && IsHiddenName(name))) {
            continue;
        }
        struct stat info {};
        if (::stat((folder + std::string(name)).c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            names.emplace_back(name);
        }
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

UnlistedFiles FindUnlistedFiles(const ChecksumList& list, const UnlistedScope& scope)
{
    UnlistedFiles unlisted;
    RealFolders folders;
    const std::string& base = list.BaseFolder();
    std::unordered_set<std::string> named;
    // The folders the rows reach, as the rows name them, in the order first reached.
    std::vector<std::string> reached{std::string()};
    std::unordered_set<std::string> reachedReal{folders.Of(base)};
    for (int row = 0; row < list.RowCount(); ++row) {
        const std::string path = ResolveRowPath(base, list.RowName(row), list.RowTraits(row));
        std::string identity = EntryIdentity(folders, path);
        if (identity.empty()) {
            continue;
        }
        if (!scope.wholeTree) {
            const std::size_t slash = path.rfind('/');
            const std::string folder = path.substr(0, slash + 1);
            if (reachedReal.insert(folders.Of(folder)).second) {
                const bool below = folder.compare(0, base.size(), base) == 0;
                reached.push_back(below ? folder.substr(base.size()) : folder);
            }
        }
        named.insert(std::move(identity));
    }
    for (const std::string& listPath : scope.listPaths) {
        named.insert(EntryIdentity(folders, listPath));
    }

    const std::string& realBase = folders.Of(base);
    if (scope.wholeTree) {
        TreeWalkOptions options;
        options.hidden = scope.hidden;
        WalkTree(
            base, options,
            [&](const TreeFile& file) {
                if (named.count(realBase + std::string(file.relative)) == 0) {
                    unlisted.names.emplace_back(file.relative);
                }
            },
            [&](const TreeProblem& problem) { unlisted.unreachable.push_back(Problem(problem.path, problem.error)); });
        return unlisted;
    }
    for (const std::string& folder : reached) {
        const bool absolute = !folder.empty() && folder.front() == '/';
        const std::string path = absolute ? folder : base + folder;
        const std::string& real = folders.Of(path);
        for (const std::string& name : FilesIn(path, scope.hidden, unlisted.unreachable)) {
            if (named.count(real + name) == 0) {
                unlisted.names.push_back(folder + name);
            }
        }
    }
    return unlisted;
}
