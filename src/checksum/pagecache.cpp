#include "pagecache.h"

#include <algorithm>

#include <sys/mman.h>
#include <unistd.h>

bool MostlyInPageCache(int fd, std::uint64_t size) noexcept
{
    constexpr int kSamples = 64;
    if (size == 0 || fd < 0) {
        return false;
    }
    void* map = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
    if (map == MAP_FAILED) {
        return false;
    }
    static const auto page = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
    // A small file has fewer pages than samples: each page is looked at once.
    const int samples = static_cast<int>(std::min<std::uint64_t>(kSamples, (size + page - 1) / page));
    int resident = 0;
    for (int sample = 0; sample < samples; ++sample) {
        const std::uint64_t offset = size / static_cast<std::uint64_t>(samples) * static_cast<std::uint64_t>(sample) / page * page;
        unsigned char state = 0;
        if (::mincore(static_cast<char*>(map) + offset, page, &state) == 0 && (state & 1u) != 0) {
            ++resident;
        }
    }
    ::munmap(map, size);
    return resident >= samples * 7 / 8 && resident > 0;
}
