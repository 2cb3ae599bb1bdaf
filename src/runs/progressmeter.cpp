#include "progressmeter.h"

#include "progresssink.h"

#include <algorithm>
#include <cmath>
#include <limits>

void ProgressMeter::Restart(std::uint64_t bytesDone, double seconds) noexcept
{
    m_started = true;
    m_lastBytes = bytesDone;
    m_lastSeconds = seconds;
    m_speed.reset();
}

ProgressFigures ProgressMeter::Sample(std::uint64_t bytesDone, std::uint64_t totalBytes, double seconds) noexcept
{
    if (!m_started) {
        Restart(bytesDone, seconds);
    }
    const double interval = seconds - m_lastSeconds;
    if (bytesDone < m_lastBytes) {
        m_lastBytes = bytesDone;
        m_lastSeconds = seconds;
    } else if (interval > 0.0) {
        const double rate = static_cast<double>(bytesDone - m_lastBytes) / interval;
        const double weight = 1.0 - std::exp(-interval / kSmoothingSeconds);
        m_speed = m_speed ? *m_speed + weight * (rate - *m_speed) : rate;
        m_lastBytes = bytesDone;
        m_lastSeconds = seconds;
    }

    ProgressFigures figures;
    figures.bytesDone = bytesDone;
    figures.totalBytes = totalBytes;
    const std::int64_t total = totalBytes > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())
                                   ? std::numeric_limits<std::int64_t>::max()
                                   : static_cast<std::int64_t>(totalBytes);
    figures.percent = std::min(ProgressPercent(bytesDone, total), 100);
    figures.bytesPerSecond = m_speed;
    if (m_speed && *m_speed > 0.0) {
        const std::uint64_t left = totalBytes > bytesDone ? totalBytes - bytesDone : 0;
        figures.secondsLeft = static_cast<double>(left) / *m_speed;
    }
    return figures;
}
