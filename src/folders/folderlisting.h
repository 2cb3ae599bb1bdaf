#pragma once

#include "filerecord.h"

#include <string>
#include <vector>

// The files of a folder, in the order the file system returns them: sub-folders (and
// links to folders) are skipped, hidden files are listed. A link to a file is listed
// with the size and time of its target; a broken link with its own. A folder that
// cannot be read gives an empty list; `error`, when given, receives the errno of a
// folder that could not be opened (0 when it could).
[[nodiscard]] std::vector<FileRecord> ListFolderFiles(const std::string& folder, int* error = nullptr);
