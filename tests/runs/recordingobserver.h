#pragma once

#include "checksumlist.h"
#include "progresssink.h"
#include "runobserver.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <optional>
#include <mutex>
#include <thread>
#include <vector>

// Records what a verification run reports, and lets a test hold the worker at a
// chosen point until the test has pressed a command.
class RecordingObserver final : public RunObserver, private ProgressSink {
public:
    explicit RecordingObserver(const ChecksumList& list) : m_list(list) {}

    void OnRunEvent(RunEvent event) override
    {
        const std::lock_guard lock(m_mutex);
        m_events.push_back(event);
        switch (event) {
        case RunEvent::Started:
        case RunEvent::SelectedRowsStarted:
        case RunEvent::Resumed:
            ++m_workersStarted;
            if (++m_activeWorkers > 1) {
                m_overlapSeen = true;
            }
            break;
        case RunEvent::WorkerEnded:
            --m_activeWorkers;
            ++m_runsFinished;
            m_finishedChanged.notify_all();
            break;
        default:
            break;
        }
    }
    [[nodiscard]] ProgressSink& Progress() override { return *this; }
    void RowChanged(int row) override
    {
        if (row >= 0 && m_onRowChanged) {
            m_onRowChanged(row, m_list.RowStatus(row));
        }
    }
    void AutoScrollToRow(int row) override
    {
        const std::lock_guard lock(m_mutex);
        m_scrolledRows.push_back(row);
    }
    void UpdateStatusBar() override
    {
        if (m_onStatusBar) {
            m_onStatusBar(m_list.GetCounters());
        }
        const std::lock_guard lock(m_mutex);
        ++m_statusBarUpdates;
    }
    // Waits (bounded) until `count` runs have finished since the observer was made.
    bool WaitForRunsFinished(int count, std::chrono::seconds timeout = std::chrono::seconds(60))
    {
        std::unique_lock lock(m_mutex);
        return m_finishedChanged.wait_for(lock, timeout, [&] { return m_runsFinished >= count; });
    }

    // Every event reported so far, in order.
    [[nodiscard]] std::vector<RunEvent> Events() const
    {
        const std::lock_guard lock(m_mutex);
        return m_events;
    }
    // The latest event other than WorkerEnded, if any.
    [[nodiscard]] std::optional<RunEvent> LastRunEvent() const
    {
        const std::lock_guard lock(m_mutex);
        for (auto it = m_events.rbegin(); it != m_events.rend(); ++it) {
            if (*it != RunEvent::WorkerEnded) {
                return *it;
            }
        }
        return std::nullopt;
    }
    // A run was started and has neither finished nor been stopped (it may be paused).
    [[nodiscard]] bool RunActive() const
    {
        const std::optional<RunEvent> last = LastRunEvent();
        return last && *last != RunEvent::Stopped && *last != RunEvent::Finished;
    }
    [[nodiscard]] int WorkersStarted() const
    {
        const std::lock_guard lock(m_mutex);
        return m_workersStarted;
    }
    [[nodiscard]] bool OverlapSeen() const
    {
        const std::lock_guard lock(m_mutex);
        return m_overlapSeen;
    }
    [[nodiscard]] int StatusBarUpdates() const
    {
        const std::lock_guard lock(m_mutex);
        return m_statusBarUpdates;
    }
    [[nodiscard]] std::vector<int> ScrolledRows() const
    {
        const std::lock_guard lock(m_mutex);
        return m_scrolledRows;
    }
    [[nodiscard]] int LastProgress() const { return m_lastProgress.load(); }

    // Called on the worker thread; set before a run starts.
    std::function<void(int row, EntryStatus status)> m_onRowChanged;
    std::function<void(const Counters&)> m_onStatusBar;
    std::function<void(int percent)> m_onProgress;
    // Called with each run-wide count of bytes read, before its position.
    std::function<void(std::uint64_t bytesRead)> m_onBytesRead;

    [[nodiscard]] std::uint64_t LastBytesRead() const { return m_lastBytesRead.load(); }

private:
    void SetBytesRead(std::uint64_t bytesRead) noexcept override
    {
        m_lastBytesRead.store(bytesRead);
        if (m_onBytesRead) {
            m_onBytesRead(bytesRead);
        }
    }
    void SetPosition(int percent) noexcept override
    {
        m_lastProgress.store(percent);
        if (m_onProgress) {
            m_onProgress(percent);
        }
    }

    const ChecksumList& m_list;
    mutable std::mutex m_mutex;
    std::condition_variable m_finishedChanged;
    std::vector<RunEvent> m_events;
    std::vector<int> m_scrolledRows;
    bool m_overlapSeen = false;
    int m_activeWorkers = 0;
    int m_workersStarted = 0;
    int m_runsFinished = 0;
    int m_statusBarUpdates = 0;
    std::atomic<int> m_lastProgress{-1};
    std::atomic<std::uint64_t> m_lastBytesRead{0};
};

// Holds the worker where it is called until `condition` holds (bounded wait).
inline bool WaitUntil(const std::function<bool()>& condition, std::chrono::seconds timeout = std::chrono::seconds(30))
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::yield();
    }
    return true;
}
