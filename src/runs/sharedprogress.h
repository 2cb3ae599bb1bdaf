#pragma once

#include "progresssink.h"

#include <atomic>
#include <cstdint>

// The run-wide byte count of several workers reading at once, reported to the run's
// one sink. Each worker's engine reports through a WorkerProgress of its own, which
// adds what it read since its last report; the sum goes to the run's sink from one
// thread at a time and never goes back (a worker that finds another reporting leaves
// it to that one: the next block reports again).
class SharedProgress {
public:
    SharedProgress(ProgressSink& sink, std::int64_t totalBytes, std::uint64_t bytesBefore) noexcept
        : m_sink(sink), m_totalBytes(totalBytes), m_bytes(bytesBefore)
    {
    }

    void Add(std::uint64_t bytes) noexcept
    {
        m_bytes.fetch_add(bytes, std::memory_order_relaxed);
        if (!m_reporting.test_and_set(std::memory_order_acquire)) {
            m_sink.Report(m_bytes.load(std::memory_order_relaxed), m_totalBytes);
            m_reporting.clear(std::memory_order_release);
        }
    }

    // Reports the count as it is (after every worker has ended).
    void ReportNow() noexcept { m_sink.Report(m_bytes.load(std::memory_order_relaxed), m_totalBytes); }

private:
    ProgressSink& m_sink;
    const std::int64_t m_totalBytes;
    std::atomic<std::uint64_t> m_bytes;
    std::atomic_flag m_reporting = ATOMIC_FLAG_INIT;
};

// One worker's sink: the engines give it the worker's own running count of bytes.
class WorkerProgress final : public ProgressSink {
public:
    explicit WorkerProgress(SharedProgress& shared) noexcept : m_shared(shared) {}

    void SetPosition(int /*percent*/) noexcept override {}
    void SetBytesRead(std::uint64_t bytesRead) noexcept override
    {
        m_shared.Add(bytesRead - m_lastBytes);
        m_lastBytes = bytesRead;
    }

private:
    SharedProgress& m_shared;
    std::uint64_t m_lastBytes = 0;
};
