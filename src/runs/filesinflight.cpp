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
    static_cast<void>(filesInFlight);  // a file's reading uses one thread for now
    if (crc32) {
        engine.BuildTable();
    }
}
