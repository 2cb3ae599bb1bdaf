#pragma once

#include <cstdint>

// Run-wide percentage: bytesDone / totalBytes * 100 in floating point, truncated.
// Never faults: a total of 0 or less (files that appeared or grew after the total
// was computed) reports 100, and values beyond int's range saturate.
[[nodiscard]] int ProgressPercent(std::uint64_t bytesDone, std::int64_t totalBytes) noexcept;

// Receives the run-wide progress position once per logical block. Implementations
// must be cheap (store an atomic, nothing more): a report happens every 4096 bytes.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    // percent is the truncated run-wide percentage; it may exceed 100 when the
    // files grew after the run's total was computed (a 0-100 bar shows it as full).
    virtual void SetPosition(int percent) noexcept = 0;
    // The run-wide count of bytes read so far, reported with each position, for a
    // front end that shows bytes and speed. The default ignores it.
    virtual void SetBytesRead(std::uint64_t /*bytesRead*/) noexcept {}

    // What the engines call once per block: the bytes read so far of a run whose
    // files hold totalBytes, as both a count and a position.
    void Report(std::uint64_t bytesRead, std::int64_t totalBytes) noexcept
    {
        SetBytesRead(bytesRead);
        SetPosition(ProgressPercent(bytesRead, totalBytes));
    }
};

// A sink for callers that do not show progress.
class NullProgressSink final : public ProgressSink {
public:
    void SetPosition(int) noexcept override {}
};

