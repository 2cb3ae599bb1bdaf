#include "parallelreadprobe.h"

#include "regularfile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

namespace {

constexpr std::size_t kPage = 4096;

// An open file whose first page is not in the page cache, or none.
int OpenUncached(const std::string& path)
{
    const RegularFileDescriptor file = OpenRegularFile(path);
    if (file.fd < 0) {
        return -1;
    }
    bool cached = true;
    if (file.status.st_size > 0) {
        void* map = ::mmap(nullptr, kPage, PROT_READ, MAP_SHARED, file.fd, 0);
        unsigned char state = 1;
        if (map != MAP_FAILED) {
            cached = ::mincore(map, kPage, &state) != 0 || (state & 1u) != 0;
            ::munmap(map, kPage);
        }
    }
    if (cached) {
        ::close(file.fd);
        return -1;
    }
    return file.fd;
}

double Seconds(std::chrono::steady_clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

bool ReadFirstPage(int fd, unsigned char* buffer)
{
    return ::pread(fd, buffer, kPage, 0) > 0;
}

}  // namespace

bool ParallelReadsPay(double oneAfterAnotherSeconds, double allAtOnceSeconds) noexcept
{
    return oneAfterAnotherSeconds >= kParallelGain * allAtOnceSeconds;
}

std::optional<bool> ParallelReadsPay(int files, const RunFilePath& filePath)
{
    // Files spread over the run, far apart on the disk where it keeps them in order.
    constexpr int kSamples = 4 * kProbeFiles;
    std::vector<int> uncached;
    const int samples = std::min(files, kSamples);
    for (int sample = 0; sample < samples && static_cast<int>(uncached.size()) < 2 * kProbeFiles; ++sample) {
        const int index = samples == 1 ? 0 : static_cast<int>(static_cast<long long>(sample) * (files - 1) / (samples - 1));
        if (const int fd = OpenUncached(filePath(index)); fd >= 0) {
            uncached.push_back(fd);
        }
    }
    std::optional<bool> pays;
    if (uncached.size() == 2 * kProbeFiles) {
        alignas(64) static thread_local std::array<unsigned char, kPage> buffer;
        bool read = true;
        // Every other file one after another, the rest asked for at once.
        const auto start = std::chrono::steady_clock::now();
        for (std::size_t i = 0; i < uncached.size(); i += 2) {
            read = ReadFirstPage(uncached[i], buffer.data()) && read;
        }
        const auto middle = std::chrono::steady_clock::now();
        for (std::size_t i = 1; i < uncached.size(); i += 2) {
            ::posix_fadvise(uncached[i], 0, kPage, POSIX_FADV_WILLNEED);
        }
        for (std::size_t i = 1; i < uncached.size(); i += 2) {
            read = ReadFirstPage(uncached[i], buffer.data()) && read;
        }
        const auto end = std::chrono::steady_clock::now();
        if (read) {
            pays = ParallelReadsPay(Seconds(middle - start), Seconds(end - middle));
        }
    }
    for (const int fd : uncached) {
        ::close(fd);
    }
    return pays;
}
