// Drops the named files from the page cache (posix_fadvise POSIX_FADV_DONTNEED), so the
// next read of them comes from the disk. Usage: tallyfox_evict_cache FILE...
// Exit status 1 when a file could not be opened or advised.

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        const int fd = ::open(argv[i], O_RDONLY | O_CLOEXEC);
        if (fd < 0 || ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) != 0) {
            std::fprintf(stderr, "tallyfox_evict_cache: %s: not evicted\n", argv[i]);
            ++failures;
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }
    return failures == 0 ? 0 : 1;
}
