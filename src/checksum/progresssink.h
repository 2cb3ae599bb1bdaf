#pragma once

#include <cstdint>

// Receives the run-wide progress position once per logical block. Implementations
// must be cheap (store an atomic, nothing more): a report happens every 4096 bytes.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    // percent is the truncated run-wide percentage; it may exceed 100 when the
    // files grew after the run's total was computed (a 0-100 bar shows it as full).
    virtual void SetPosition(int percent) noexcept = 0;
};

// A sink for callers that do not show progress.
class NullProgressSink final : public ProgressSink {
public:
    void SetPosition(int) noexcept override {}
};

// Run-wide percentage: bytesDone / totalBytes * 100 in floating point, truncated.
// Never faults: a total of 0 or less (files that appeared or grew after the total
// was computed) reports 100, and values beyond int's range saturate.
[[nodiscard]] int ProgressPercent(std::uint64_t bytesDone, std::int64_t totalBytes) noexcept;
