#pragma once

#include "checksumlist.h"
#include "progresssink.h"
#include "runobserver.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

// Records what a verification run reports, and lets a test hold the worker at a
// chosen point until the test has pressed a command.
class RecordingObserver final : public RunObserver, private ProgressSink {
public:
    explicit RecordingObserver(const ChecksumList& list) : m_list(list) {}

    void SetButtonState(CommandId button, ButtonState state) override
    {
        const std::lock_guard lock(m_mutex);
        m_buttons[button] = state;
    }
    void ShowProgressPanel(bool show) override
    {
        const std::lock_guard lock(m_mutex);
        m_panelShown = show;
        if (show && std::this_thread::get_id() != m_testThread) {
            ++m_workersStarted;
            if (++m_activeWorkers > 1) {
                m_overlapSeen = true;
            }
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
    void RunFinished() override
    {
        const std::lock_guard lock(m_mutex);
        --m_activeWorkers;
        ++m_runsFinished;
        m_finishedChanged.notify_all();
    }

    // Waits (bounded) until `count` runs have finished since the observer was made.
    bool WaitForRunsFinished(int count, std::chrono::seconds timeout = std::chrono::seconds(60))
    {
        std::unique_lock lock(m_mutex);
        return m_finishedChanged.wait_for(lock, timeout, [&] { return m_runsFinished >= count; });
    }

    [[nodiscard]] ButtonState Button(CommandId id) const
    {
        const std::lock_guard lock(m_mutex);
        const auto found = m_buttons.find(id);
        return found == m_buttons.end() ? ButtonState::Enabled : found->second;
    }
    [[nodiscard]] bool ButtonWasSet(CommandId id) const
    {
        const std::lock_guard lock(m_mutex);
        return m_buttons.count(id) != 0;
    }
    [[nodiscard]] bool PanelShown() const
    {
        const std::lock_guard lock(m_mutex);
        return m_panelShown;
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

private:
    void SetPosition(int percent) noexcept override
    {
        m_lastProgress.store(percent);
        if (m_onProgress) {
            m_onProgress(percent);
        }
    }

    const ChecksumList& m_list;
    const std::thread::id m_testThread = std::this_thread::get_id();
    mutable std::mutex m_mutex;
    std::condition_variable m_finishedChanged;
    std::map<CommandId, ButtonState> m_buttons;
    std::vector<int> m_scrolledRows;
    bool m_panelShown = false;
    bool m_overlapSeen = false;
    int m_activeWorkers = 0;
    int m_workersStarted = 0;
    int m_runsFinished = 0;
    int m_statusBarUpdates = 0;
    std::atomic<int> m_lastProgress{-1};
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
