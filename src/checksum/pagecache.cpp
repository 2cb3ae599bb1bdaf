#include "pagecache.h"

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
    int resident = 0;
    for (int sample = 0; sample < kSamples; ++sample) {
        const std::uint64_t offset = size / kSamples * static_cast<std::uint64_t>(sample) / page * page;
        unsigned char state = 0;
        if (::mincore(static_cast<char*>(map) + offset, page, &state) == 0 && (state & 1u) != 0) {
            ++resident;
        }
    }
    ::munmap(map, size);
    return resident >= kSamples * 7 / 8;
}
