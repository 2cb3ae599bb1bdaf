#pragma once

#include "folderanchor.h"

#include <cstdint>
#include <string>

#include <sys/stat.h>

// The existence-and-size test of a listed file: true when the path names a regular
// file that this process may read, found without opening it. A folder, device, socket
// or FIFO is not a file and fails like a missing one. On failure `size` is left
// untouched (callers preset it).
[[nodiscard]] bool QueryFileSize(const std::string& path, std::uint64_t& size);
// The same for a path looked up from a folder's descriptor.
[[nodiscard]] bool QueryFileSize(AnchoredPath path, std::uint64_t& size);
// The rest of the test for a path already looked at as `status` (following links).
[[nodiscard]] bool ReadableFileSize(AnchoredPath path, const struct stat& status, std::uint64_t& size);
