#include "filesinflight.h"

#include "crc32engine.h"
#include "rotationaldisk.h"

#include <algorithm>
#include <thread>

int FilesInFlight(int setting, const std::string& folder, int files, const std::string& sysfsRoot)
{
    int count = 1;
    if (setting >= 1 && setting <= kMaxFilesInFlight) {
        count = setting;
    } else if (files > 1 && !IsOnRotatingDisk(folder.empty() ? std::string(".") : folder, sysfsRoot)) {
        count = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxFilesInFlight);
    }
    return std::max(1, std::min(count, files));
}

void PrepareWorkerEngine(CCrc32Engine& engine, bool crc32, int filesInFlight)
{
    // One file in flight may fold a large cached file in ranges on every thread; with
    // several, the files already keep the threads busy.
    engine.SetRangeThreads(filesInFlight > 1 ? 1 : CCrc32Engine::DefaultRangeThreads());
    if (crc32) {
        engine.BuildTable();
    }
}
