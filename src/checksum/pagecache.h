#pragma once

#include <cstdint>

// Whether the first `size` bytes of the open file `fd` are (nearly all) in the page
// cache, judged from pages spread evenly over them (mincore on a mapping whose pages
// are never touched). A file that must come from the disk reads fastest as one stream.
[[nodiscard]] bool MostlyInPageCache(int fd, std::uint64_t size) noexcept;
