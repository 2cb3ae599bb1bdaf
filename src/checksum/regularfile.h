#pragma once

#include "folderanchor.h"

#include <string>

#include <sys/stat.h>

// A descriptor of a regular file opened for reading, with the file's status as fstat
// gave it right after the open. `fd` is -1 and `error` says why when there is none.
struct RegularFileDescriptor {
    int fd = -1;
    int error = 0;
    struct stat status {};
};

// Opens `path` for reading only when it names a regular file (a symbolic link counts
// as what it points at). The kind is looked up before the open, so a device, socket
// or FIFO is never opened (opening some devices has side effects, and reading others
// never ends); it fails with EISDIR for a folder and ENODEV for anything else that is
// not a regular file. The open does not block (reads of a regular file ignore
// O_NONBLOCK); the caller closes the descriptor.
[[nodiscard]] RegularFileDescriptor OpenRegularFile(const std::string& path) noexcept;
// The same for a path looked up from a folder's descriptor.
[[nodiscard]] RegularFileDescriptor OpenRegularFile(AnchoredPath path) noexcept;

// errno for a status that is not a regular file's: EISDIR for a folder, else ENODEV;
// 0 for a regular file.
[[nodiscard]] int NotRegularFileError(const struct stat& status) noexcept;
