#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The current folder for a folder path: the path with a '/' appended unless it ends
// in one ("/" stays "/", never "//").
[[nodiscard]] std::string CurrentFolderOf(const std::string& path);

// Whether a typed path names an existing entry (a file or a folder; a trailing '/' is
// ignored), its names matched as navigation matches them: as typed, else without
// regard to case. A relative path is looked up from the working folder.
[[nodiscard]] bool PathExists(const std::string& text);

// A typed path taken apart for navigation: whether it starts at "/" and its folder
// names in order (empty names vanish: "/a//b/" gives a, b).
struct TypedPath {
    bool absolute = false;
    std::vector<std::string> components;
};
[[nodiscard]] TypedPath SplitTypedPath(const std::string& text);

// Which of the sibling labels a typed folder name selects: an exact match wins, then
// the first match without regard to case (ASCII letters). Nothing when none matches.
[[nodiscard]] std::optional<std::size_t> FindFolderLabel(const std::vector<std::string>& labels,
                                                         const std::string& name);
