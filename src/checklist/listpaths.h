#pragma once

#include "listtypes.h"

#include <string>

struct ListKindDetection {
    std::string baseFolder;  // the path up to and including its last '/', or empty
    ListKind kind = ListKind::None;
    bool known = false;      // ".sfv" or ".md5", compared in lower case
    bool guessed = false;    // the kind only guessed from a plain line's digest length
};

// Kind by extension (from the path's last '.' to its end, in lower case) and base
// folder of a list path; touches no file.
[[nodiscard]] ListKindDetection DetectListKind(const std::string& path);

// The file an entry names: base folder + name, each '\' of the name read as '/'
// (names written on Windows separate sub-folders with '\'). A name starting with '/'
// is absolute and used without the base folder.
[[nodiscard]] std::string ResolveEntryPath(const std::string& baseFolder, const std::string& name);
