#include "filesinflight.h"

#include "crc32engine.h"
#include "pagecache.h"
#include "parallelreadprobe.h"
#include "regularfile.h"
#include "rotationaldisk.h"

#include <algorithm>
#include <thread>

#include <unistd.h>

namespace {

bool IsForced(int setting) noexcept
{
    return setting >= 1 && setting <= kMaxFilesInFlight;
}

// One file per hardware thread, at most kMaxFilesInFlight and `files`, at least 1.
int OnePerThread(int files)
{
    const int count = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxFilesInFlight);
    return std::max(1, std::min(count, files));
}

}  // namespace

int FilesInFlight(int setting, const std::string& folder, int files, const std::string& sysfsRoot)
{
    if (IsForced(setting)) {
        return std::max(1, std::min(setting, files));
    }
    if (files > 1 && !IsOnRotatingDisk(folder.empty() ? std::string(".") : folder, sysfsRoot)) {
        return OnePerThread(files);
    }
    return 1;
}

int FilesInFlight(int setting, const std::string& folder, int files, const RunFilePath& filePath,
                  const std::string& sysfsRoot)
{
    const int chosen = FilesInFlight(setting, folder, files, sysfsRoot);
    if (chosen > 1 || files <= 1 || IsForced(setting)) {
        return chosen;
    }
    // One at a time was chosen for a disk that says it rotates: files in memory do not
    // need it, and a disk that serves several reads at once as fast as one (a virtual
    // disk that calls itself rotating) is not one.
    if (SampledFilesCached(files, filePath) || ParallelReadsPay(files, filePath).value_or(false)) {
        return OnePerThread(files);
    }
    return chosen;
}

bool SampledFilesCached(int files, const RunFilePath& filePath)
{
    const int samples = std::min(files, kCacheSamples);
    for (int sample = 0; sample < samples; ++sample) {
        // Spread over the run: the first file, the last, and evenly between.
        const int index = samples == 1 ? 0
                                       : static_cast<int>(static_cast<long long>(sample) * (files - 1) / (samples - 1));
        const RegularFileDescriptor file = OpenRegularFile(filePath(index));
        if (file.fd < 0) {
            return false;
        }
        const auto size = static_cast<std::uint64_t>(file.status.st_size);
        const bool cached = size == 0 || MostlyInPageCache(file.fd, size);
        ::close(file.fd);
        if (!cached) {
            return false;
        }
    }
    return samples > 0;
}

void PrepareWorkerEngine(Crc32Engine& engine, bool crc32, int filesInFlight)
{
    // One file in flight may fold a large cached file in ranges on every thread; with
    // several, the files already keep the threads busy.
    engine.SetRangeThreads(filesInFlight > 1 ? 1 : Crc32Engine::DefaultRangeThreads());
    if (crc32) {
        engine.BuildTable();
    }
}
