#pragma once

class ProgressSink;

// RowChanged's row for "every row changed" (all rows were reset to Unchecked).
inline constexpr int kAllRowsChanged = -1;

// What happens to a run, in the order it happens. A front end decides what each means
// for what it shows (the window: its toolbar states and its progress panel).
enum class RunEvent {
    Started,              // a run over every row started (by a command or at start-up)
    SelectedRowsStarted,  // a run over the selected rows started; it cannot be paused
    Resumed,              // a paused run goes on from its resume point
    Paused,               // the run was paused; it keeps its resume point
    Stopped,              // Stop was given; nothing is active any more
    Finished,             // the run went through its common end; nothing is active any more
    WorkerEnded,          // the run's worker is about to end (after Finished, or paused)
};

// Everything a run reports besides what it writes into the ChecksumList (row states,
// size texts, counters). The worker calls these from its thread and the controller
// from the GUI thread, each in the order things happen. An implementation must never
// block waiting for the GUI thread, which may be joining the worker.
class RunObserver {
public:
    virtual ~RunObserver() = default;

    virtual void OnRunEvent(RunEvent event) = 0;
    // The run-wide progress position, 0 to 100, reported once per block.
    [[nodiscard]] virtual ProgressSink& Progress() = 0;
    // The row's status or size text changed.
    virtual void RowChanged(int row) = 0;
    // The run reached this row; keep it in view (only reported when auto-scroll is on).
    virtual void AutoScrollToRow(int row) = 0;
    // The counters changed: show them.
    virtual void UpdateStatusBar() = 0;
};
