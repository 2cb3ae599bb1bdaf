#include "filesinflight.h"

#include "crc32engine.h"
#include "rotationaldisk.h"

#include <algorithm>
#include <charconv>
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

int ParseFilesInFlight(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return kFilesInFlightAuto;
    }
    const std::size_t last = text.find_last_not_of(" \t");
    const std::string_view value(text.data() + first, last - first + 1);
    int count = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), count);
    if (error != std::errc() || end != value.data() + value.size() || count < 1 || count > kMaxFilesInFlight) {
        return kFilesInFlightAuto;
    }
    return count;
}

void PrepareWorkerEngine(CCrc32Engine& engine, bool crc32, int filesInFlight)
{
    static_cast<void>(filesInFlight);  // a file's reading uses one thread for now
    if (crc32) {
        engine.BuildTable();
    }
}
