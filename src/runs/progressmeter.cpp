#include "progressmeter.h"

#include "progresssink.h"

#include <algorithm>
#include <cmath>
#include <limits>

void ProgressMeter::Restart(std::uint64_t bytesDone, double seconds) noexcept
{
    *this = ProgressMeter();
    m_started = true;
    m_lastBytes = bytesDone;
    m_lastSeconds = seconds;
}

void ProgressMeter::Fit(double files, double bytes, double interval, double weight) noexcept
{
    const double keep = std::exp(-interval / kFitSeconds);
    m_ff = m_ff * keep + weight * files * files;
    m_fb = m_fb * keep + weight * files * bytes;
    m_bb = m_bb * keep + weight * bytes * bytes;
    m_ft = m_ft * keep + weight * files * interval;
    m_bt = m_bt * keep + weight * bytes * interval;
}

double ProgressMeter::FileCostInBytes() const noexcept
{
    // Normal equations of interval = perFile * files + perByte * bytes, with neither
    // cost below zero.
    if (m_ff <= 0.0) {
        return 0.0;  // no files counted: bytes alone
    }
    if (m_bb <= 0.0) {
        return std::numeric_limits<double>::infinity();  // empty files only so far
    }
    const double determinant = m_ff * m_bb - m_fb * m_fb;
    if (determinant <= 1e-9 * m_ff * m_bb) {
        return 0.0;  // files of one size: no telling the costs apart, bytes tell as well
    }
    const double perFile = (m_ft * m_bb - m_bt * m_fb) / determinant;
    const double perByte = (m_bt * m_ff - m_ft * m_fb) / determinant;
    if (perFile <= 0.0) {
        return 0.0;
    }
    if (perByte <= 0.0) {
        return std::numeric_limits<double>::infinity();  // the bytes cost nothing measurable
    }
    return perFile / perByte;
}

ProgressFigures ProgressMeter::Sample(std::uint64_t bytesDone, std::uint64_t totalBytes, double seconds) noexcept
{
    return Sample(bytesDone, totalBytes, FileCounts{}, seconds);
}

ProgressFigures ProgressMeter::Sample(std::uint64_t bytesDone, std::uint64_t totalBytes, FileCounts files,
                                      double seconds) noexcept
{
    if (!m_started) {
        Restart(bytesDone, seconds);
        m_lastFiles = files.done;
    }
    const double interval = seconds - m_lastSeconds;
    if (bytesDone < m_lastBytes || files.done < m_lastFiles) {
        m_lastBytes = bytesDone;
        m_lastFiles = files.done;
        m_lastSeconds = seconds;
    } else if (interval > 0.0) {
        const auto bytes = static_cast<double>(bytesDone - m_lastBytes);
        const auto filesDone = static_cast<double>(files.done - m_lastFiles);
        const double weight = 1.0 - std::exp(-interval / kSmoothingSeconds);
        const double rate = bytes / interval;
        m_fileSpeed = m_speed ? m_fileSpeed + weight * (filesDone / interval - m_fileSpeed) : filesDone / interval;
        m_speed = m_speed ? *m_speed + weight * (rate - *m_speed) : rate;
        if (filesDone > 0.0 || bytes > 0.0) {
            Fit(filesDone, bytes, interval, 1.0);
        }
        m_lastBytes = bytesDone;
        m_lastFiles = files.done;
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
    const auto bytesLeft = static_cast<double>(totalBytes > bytesDone ? totalBytes - bytesDone : 0);
    const double fileCost = FileCostInBytes();
    const auto filesLeft = static_cast<double>(files.left);
    if (std::isinf(fileCost)) {
        if (m_fileSpeed > 0.0) {
            figures.secondsLeft = filesLeft / m_fileSpeed;
        }
    } else if (const double speed = m_speed.value_or(0.0) + fileCost * m_fileSpeed; speed > 0.0) {
        figures.secondsLeft = (bytesLeft + fileCost * filesLeft) / speed;
    }
    return figures;
}
