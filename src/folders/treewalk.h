#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <sys/stat.h>

// One regular file the walk reached: its path (the walked folder's text followed by
// the names below it), the path below the walked folder, and its status (that of the
// file a link to a file points at).
struct TreeFile {
    const std::string& path;
    std::string_view relative;
    const struct stat& status;
};

// What the walk could not reach: a folder it could not open or read to its end, or an
// entry whose status it could not learn (no access, a path too long), with the errno.
struct TreeProblem {
    std::string path;
    int error = 0;
    bool folder = false;
};

struct TreeWalkOptions {
    bool hidden = false;  // also names starting with '.', files and folders
};

// Visits every regular file beneath `folder` (which ends in '/') in sorted (byte-wise)
// order, a folder's files and sub-folders interleaved by name. Links to files count as
// the files; links to folders are not followed, so no folder is visited twice and no
// cycle is possible. An entry removed while the walk runs, and a dangling link, name
// no file and are passed over; anything else it cannot reach goes to `onProblem`.
void WalkTree(const std::string& folder, const TreeWalkOptions& options,
              const std::function<void(const TreeFile&)>& onFile,
              const std::function<void(const TreeProblem&)>& onProblem);

// Whether a name is hidden by the usual rule: it starts with '.'.
[[nodiscard]] inline bool IsHiddenName(std::string_view name) noexcept
{
    return !name.empty() && name.front() == '.';
}
