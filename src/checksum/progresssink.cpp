#include "progresssink.h"

#include <climits>

int ProgressPercent(std::uint64_t bytesDone, std::int64_t totalBytes) noexcept
{
    if (totalBytes <= 0) {
        // The run's total missed these bytes (a file appeared or grew): show them as done.
        return bytesDone > 0 ? 100 : 0;
    }
    const double percent = static_cast<double>(bytesDone) / static_cast<double>(totalBytes) * 100.0;
    if (percent >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    return static_cast<int>(percent);
}
