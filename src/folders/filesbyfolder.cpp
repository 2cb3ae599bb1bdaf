#include "filesbyfolder.h"

#include <cstdlib>
#include <unordered_map>

FilesByFolder GroupFilesByFolder(const std::string& folder, const TreeWalkOptions& options)
{
    FilesByFolder grouped;
    std::unordered_map<std::string, std::size_t> indexOf;
    WalkTree(
        folder, options,
        [&](const TreeFile& file) {
            const std::string parent = file.path.substr(0, file.path.rfind('/') + 1);
            const auto [place, added] = indexOf.try_emplace(parent, grouped.folders.size());
            if (added) {
                grouped.folders.push_back({parent, {}});
            }
            grouped.folders[place->second].files.push_back(file.path);
        },
        [&](const TreeProblem& problem) { grouped.problems.push_back(problem); });
    return grouped;
}

std::string FolderListName(const std::string& folder, const std::string& extension)
{
    std::string real = folder;
    if (char* resolved = ::realpath(folder.empty() ? "." : folder.c_str(), nullptr)) {
        real = resolved;
        std::free(resolved);
    }
    while (real.size() > 1 && real.back() == '/') {
        real.pop_back();
    }
    const std::string name = real.substr(real.rfind('/') + 1);
    return (name.empty() ? std::string("list") : name) + extension;
}
