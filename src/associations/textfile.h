#pragma once

#include <string>
#include <string_view>

// A small text file read whole.
struct TextFile {
    enum class State { Read, Missing, Unreadable };
    State state = State::Missing;
    std::string text;  // empty unless read
};

[[nodiscard]] TextFile ReadTextFile(const std::string& path);

enum class WriteResult { Unchanged, Written, Failed };

// Writes `bytes` to `path` (folders created as needed, the file replaced atomically)
// unless the file already holds exactly these bytes. A read-only file is not replaced:
// Failed.
[[nodiscard]] WriteResult WriteFileIfChanged(const std::string& path, std::string_view bytes);

// The folder part of a path ("/a/b" for "/a/b/c").
[[nodiscard]] std::string FolderOfPath(const std::string& path);
