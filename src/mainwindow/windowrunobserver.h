#pragma once

#include "progresssink.h"
#include "runobserver.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

// The window's side of a verification run: a small store of the run's events (in
// order), changed rows, scroll row and status-bar flag. The run reports into it from
// its worker thread (and the controller from the GUI thread) without ever waiting for
// the GUI thread; the window takes everything at once on the GUI thread and applies
// it, the events in the order they were reported.
//
// The first report after a take calls the wake function once (on the reporting
// thread); the window uses it to schedule its next take. The end of a run wakes the
// window at once in any case (urgent), so the run's end shows without delay.
class WindowRunObserver final : public RunObserver, private ProgressSink {
public:
    // What has been reported since the last take.
    struct Reports {
        std::vector<RunEvent> events;
        int firstChangedRow = -1;  // -1: no row changed
        int lastChangedRow = -1;
        bool allRowsChanged = false;
        int scrollRow = -1;        // -1: no scroll requested
        bool statusBar = false;

        [[nodiscard]] bool Empty() const noexcept;
    };

    using Wake = std::function<void(bool urgent)>;
    explicit WindowRunObserver(Wake wake);

    void OnRunEvent(RunEvent event) override;
    [[nodiscard]] ProgressSink& Progress() override { return *this; }
    void RowChanged(int row) override;
    void AutoScrollToRow(int row) override;
    void UpdateStatusBar() override;

    // Everything reported since the last take; the store is empty afterwards.
    [[nodiscard]] Reports Take();
    // The latest run-wide progress position (may exceed 100; never negative).
    [[nodiscard]] int ProgressPosition() const noexcept { return m_progress.load(std::memory_order_relaxed); }
    // The latest run-wide count of bytes read (0 from the start of a new run).
    [[nodiscard]] std::uint64_t BytesRead() const noexcept { return m_bytesRead.load(std::memory_order_relaxed); }

private:
    void SetPosition(int percent) noexcept override;
    void SetBytesRead(std::uint64_t bytesRead) noexcept override;
    // Runs `change` on the store under the lock and wakes the window when the store
    // was empty.
    template <typename Change>
    void Report(Change&& change, bool urgent = false);

    Wake m_wake;
    std::mutex m_mutex;
    Reports m_reports;
    bool m_wakePending = false;
    std::atomic<int> m_progress{0};
    std::atomic<std::uint64_t> m_bytesRead{0};
};
