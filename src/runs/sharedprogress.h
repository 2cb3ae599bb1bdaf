#pragma once

#include "progresssink.h"

#include <cstdint>
#include <mutex>

// The run-wide byte count of several workers reading at once, reported to the run's
// one sink. Each worker's engine reports through a WorkerProgress of its own, which
// passes on what it read in steps of kStep bytes (and the rest at the end of each
// file); the sum goes to the run's sink from one worker at a time, so it never goes
// back.
class SharedProgress {
public:
    static constexpr std::uint64_t kStep = 64 * 1024;

    SharedProgress(ProgressSink& sink, std::int64_t totalBytes, std::uint64_t bytesBefore) noexcept
        : m_sink(sink), m_totalBytes(totalBytes), m_bytes(bytesBefore)
    {
    }

    void Add(std::uint64_t bytes) noexcept
    {
        const std::lock_guard lock(m_mutex);
        m_bytes += bytes;
        m_reportedBytes = m_bytes;
        m_sink.Report(m_bytes, m_totalBytes);
    }

    // After every worker has ended: reports the final count unless it was the last report.
    void ReportFinal() noexcept
    {
        const std::lock_guard lock(m_mutex);
        if (m_bytes != m_reportedBytes) {
            m_reportedBytes = m_bytes;
            m_sink.Report(m_bytes, m_totalBytes);
        }
    }

private:
    ProgressSink& m_sink;
    const std::int64_t m_totalBytes;
    std::mutex m_mutex;
    std::uint64_t m_bytes;
    std::uint64_t m_reportedBytes = 0;
};

// One worker's sink: the engines give it the worker's own running count of bytes.
class WorkerProgress final : public ProgressSink {
public:
    explicit WorkerProgress(SharedProgress& shared) noexcept : m_shared(shared) {}

    void SetPosition(int /*percent*/) noexcept override {}
    void SetBytesRead(std::uint64_t bytesRead) noexcept override
    {
        if (bytesRead - m_passedOn >= SharedProgress::kStep) {
            Flush(bytesRead);
        }
        m_bytesRead = bytesRead;
    }
    // At the end of a file: passes on what is left.
    void Flush() noexcept { Flush(m_bytesRead); }

private:
    void Flush(std::uint64_t bytesRead) noexcept
    {
        if (bytesRead != m_passedOn) {
            m_shared.Add(bytesRead - m_passedOn);
            m_passedOn = bytesRead;
        }
    }

    SharedProgress& m_shared;
    std::uint64_t m_bytesRead = 0;  // the count the engines gave last
    std::uint64_t m_passedOn = 0;   // the part of it added to the shared count
};
