#pragma once

#include <cstdint>
#include <string>

// The existence-and-size test of a listed file: true when the path can be opened
// for reading and its size read. A folder is not a file and fails like a missing
// one. On failure `size` is left untouched (callers preset it).
[[nodiscard]] bool QueryFileSize(const std::string& path, std::uint64_t& size);
