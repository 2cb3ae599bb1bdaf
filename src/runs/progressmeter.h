#pragma once

#include <cstdint>
#include <optional>

// What a progress display shows at one moment of a run.
struct ProgressFigures {
    int percent = 0;                       // 0 to 100
    std::uint64_t bytesDone = 0;           // run-wide bytes read so far
    std::uint64_t totalBytes = 0;          // the run's files together
    std::optional<double> bytesPerSecond;  // smoothed; none until a first interval was measured
    std::optional<double> secondsLeft;     // none while the speed is unknown or zero
};

// The run's files, when the caller counts them.
struct FileCounts {
    std::uint64_t done = 0;  // files with a verdict (or a line) since the run started
    std::uint64_t left = 0;  // files still to do
};

// Turns sampled byte counts into the figures of a progress display. The caller samples
// the run-wide byte count on its own tick (the window's refresh timer, the terminal
// line's wait) and passes the time of each sample in seconds from any fixed point.
// The speed is an exponential moving average over the sampled intervals with a time
// constant of kSmoothingSeconds, so uneven ticks weigh by their length. Pure
// arithmetic: no clock, no thread.
//
// Time left. Each file costs time of its own (open, close, the first read) besides its
// bytes: on many small files that cost is nearly all the time, and bytes alone would
// measure a speed that says little about the files left. With the files counted, the
// meter fits per interval `seconds = perFile * files + perByte * bytes` (least squares
// over the sampled intervals, weighted towards the recent ones) and counts the work
// left as bytes plus files at the fitted cost of a file in bytes; its speed is the
// smoothed bytes and files per second at the same rate. While the two cannot be told
// apart (every file so far of one size), a file costs no bytes.
class ProgressMeter {
public:
    static constexpr double kSmoothingSeconds = 2.0;

    // Measuring starts afresh at `bytesDone` (a new run, or a resumed one after a pause
    // whose idle time must not count).
    void Restart(std::uint64_t bytesDone, double seconds) noexcept;
    // The figures for the count sampled at `seconds`. A count lower than the last one
    // (a resumed run re-reading its interrupted file) becomes the new base without
    // changing the speed; a sample no later than the last one changes nothing but the
    // counts.
    [[nodiscard]] ProgressFigures Sample(std::uint64_t bytesDone, std::uint64_t totalBytes, double seconds) noexcept;
    // The same with the run's files counted, for a time left that holds on small files.
    [[nodiscard]] ProgressFigures Sample(std::uint64_t bytesDone, std::uint64_t totalBytes, FileCounts files,
                                         double seconds) noexcept;

    // How long the fit of a file's cost remembers: longer than the speed's, since it
    // needs intervals of different files.
    static constexpr double kFitSeconds = 10.0;

private:
    void Fit(double files, double bytes, double interval, double weight) noexcept;
    [[nodiscard]] double FileCostInBytes() const noexcept;

    bool m_started = false;
    std::uint64_t m_lastBytes = 0;
    std::uint64_t m_lastFiles = 0;
    double m_lastSeconds = 0.0;
    std::optional<double> m_speed;  // bytes per second
    double m_fileSpeed = 0.0;       // files per second, smoothed as the bytes
    // Weighted sums of the least-squares fit: f files, b bytes, t seconds per interval.
    double m_ff = 0.0;
    double m_fb = 0.0;
    double m_bb = 0.0;
    double m_ft = 0.0;
    double m_bt = 0.0;
};
