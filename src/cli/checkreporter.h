#pragma once

#include "progresssink.h"
#include "runobserver.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <mutex>

class ChecksumList;

// The command-line front end's view of a run: prints "name: OK|BAD|MISSING" in list
// order as rows get their verdicts (with several files in flight a row that finishes
// early waits until every row before it is printed; at the end of an interrupted run
// the rows that have a verdict are printed, still in order), keeps the latest progress
// position for the progress line, and signals the end of the run.
class CheckReporter final : public RunObserver, private ProgressSink {
public:
    CheckReporter(const ChecksumList& list, std::FILE* out);

    // Only the worker's end matters here: it ends the wait.
    void OnRunEvent(RunEvent event) override;
    [[nodiscard]] ProgressSink& Progress() override { return *this; }
    void RowChanged(int row) override;
    void AutoScrollToRow(int) override {}
    void UpdateStatusBar() override {}

    [[nodiscard]] int ProgressPosition() const noexcept { return m_percent.load(std::memory_order_relaxed); }
    // The run-wide bytes read so far, for the progress line.
    [[nodiscard]] std::uint64_t BytesRead() const noexcept { return m_bytesRead.load(std::memory_order_relaxed); }
    // Waits up to `milliseconds` for the run to finish; true when it has.
    [[nodiscard]] bool WaitFinished(int milliseconds);

private:
    void SetPosition(int percent) noexcept override { m_percent.store(percent, std::memory_order_relaxed); }
    void SetBytesRead(std::uint64_t bytesRead) noexcept override
    {
        m_bytesRead.store(bytesRead, std::memory_order_relaxed);
    }
    // Prints the rows from m_nextToPrint on that have a verdict; with `passUnfinished`
    // rows without one are passed over, else the first one ends the printing.
    void PrintReadyRows(bool passUnfinished);

    const ChecksumList& m_list;
    std::FILE* m_out;
    std::atomic<int> m_percent{0};
    std::atomic<std::uint64_t> m_bytesRead{0};
    std::mutex m_printMutex;
    int m_nextToPrint = 0;  // the first row not printed yet
    std::mutex m_mutex;
    std::condition_variable m_finishedChanged;
    bool m_finished = false;
};
