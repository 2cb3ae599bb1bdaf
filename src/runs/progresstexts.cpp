#include "progresstexts.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double kKilo = 1024.0;
constexpr double kMega = kKilo * 1024.0;
constexpr double kGiga = kMega * 1024.0;
constexpr double kLongestSeconds = 99.0 * 3600.0 + 59.0 * 60.0 + 59.0;

}  // namespace

std::string ByteAmountText(std::uint64_t bytes)
{
    char buffer[48];
    const double value = static_cast<double>(bytes);
    if (bytes < 1024) {
        std::snprintf(buffer, sizeof buffer, "%llu B", static_cast<unsigned long long>(bytes));
    } else if (value < kMega) {
        std::snprintf(buffer, sizeof buffer, "%.1f KB", value / kKilo);
    } else if (value < kGiga) {
        std::snprintf(buffer, sizeof buffer, "%.1f MB", value / kMega);
    } else {
        std::snprintf(buffer, sizeof buffer, "%.2f GB", value / kGiga);
    }
    return buffer;
}

std::string SpeedText(double bytesPerSecond)
{
    const double speed = std::isfinite(bytesPerSecond) && bytesPerSecond > 0.0 ? bytesPerSecond / kMega : 0.0;
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.1f MB/s", speed);
    return buffer;
}

std::string DurationText(double seconds)
{
    if (!std::isfinite(seconds) && seconds > 0.0) {
        return "99:59:59+";
    }
    if (!(seconds > 0.0)) {
        return "0:00";
    }
    if (seconds > kLongestSeconds) {
        return "99:59:59+";
    }
    const auto whole = static_cast<long long>(std::ceil(seconds));
    const long long hours = whole / 3600;
    const long long minutes = whole / 60 % 60;
    const long long rest = whole % 60;
    char buffer[32];
    if (hours > 0) {
        std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld", hours, minutes, rest);
    } else {
        std::snprintf(buffer, sizeof buffer, "%lld:%02lld", minutes, rest);
    }
    return buffer;
}
