#pragma once

#include "commandid.h"

class ProgressSink;

// RowChanged's row for "every row changed" (all rows were reset to Unchecked).
inline constexpr int kAllRowsChanged = -1;

// Everything a verification run does to the window besides writing row states, size
// texts and counters into the ChecksumList. The run calls these from its worker
// thread (and the controller from the GUI thread). A window implements them by
// queuing the work to its GUI thread and applying it in batches; an implementation
// must never block waiting for the GUI thread, which may be joining the worker.
class RunObserver {
public:
    virtual ~RunObserver() = default;

    virtual void SetButtonState(CommandId button, ButtonState state) = 0;
    // Shows or hides the progress panel and re-lays out the window.
    virtual void ShowProgressPanel(bool show) = 0;
    // The run-wide progress position, 0 to 100, reported once per block.
    [[nodiscard]] virtual ProgressSink& Progress() = 0;
    // The row's status or size text changed.
    virtual void RowChanged(int row) = 0;
    // Keep the row in view (only called when the auto-scroll setting is on).
    virtual void AutoScrollToRow(int row) = 0;
    // The counters changed: show them in the status bar.
    virtual void UpdateStatusBar() = 0;
    // The worker is about to end (after the run's common end).
    virtual void RunFinished() {}
};
