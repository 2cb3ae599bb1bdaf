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

// Turns sampled byte counts into the figures of a progress display. The caller samples
// the run-wide byte count on its own tick (the window's refresh timer, the terminal
// line's wait) and passes the time of each sample in seconds from any fixed point.
// The speed is an exponential moving average over the sampled intervals with a time
// constant of kSmoothingSeconds, so uneven ticks weigh by their length. Pure
// arithmetic: no clock, no thread.
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

private:
    bool m_started = false;
    std::uint64_t m_lastBytes = 0;
    double m_lastSeconds = 0.0;
    std::optional<double> m_speed;
};
