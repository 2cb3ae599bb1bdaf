#pragma once

#include "progressmeter.h"
#include "runobserver.h"
#include "runphase.h"

#include <cstdint>

class ChecksumList;
class ProgressPanel;

// The window's live progress: follows a run's events and, on each refresh tick, turns
// the sampled byte count into the progress panel's figures, its state in words and the
// file being verified. Sampling reads only what the run already keeps (the sink's byte
// count, the list's current row and row states), so the run never waits for it.
//
// The current file of a run over every row is the list's current row (the lowest row
// in flight). A run over the selected rows does not keep one: it is the lowest row
// being checked, searched from the one found last up to the first selected row not
// reached yet (rows are verified in ascending order, so the search only moves forward).
class LiveProgress {
public:
    LiveProgress(const ChecksumList& list, ProgressPanel& panel);

    // A run event as the window applies it; `bytesRead` is the count sampled then and
    // `seconds` the time of the sample (any fixed origin).
    void OnRunEvent(RunEvent event, std::uint64_t bytesRead, double seconds);
    // One refresh tick while the panel is shown.
    void Refresh(std::uint64_t bytesRead, double seconds);

    [[nodiscard]] RunPhase Phase() const noexcept { return m_phase; }
    // The row shown as the current file, or -1.
    [[nodiscard]] int CurrentRow() const noexcept { return m_currentRow; }

private:
    void Restart(bool selectedRows, std::uint64_t bytesRead, double seconds);
    [[nodiscard]] int FindCurrentRow();

    const ChecksumList& m_list;
    ProgressPanel& m_panel;
    ProgressMeter m_meter;
    RunPhase m_phase = RunPhase::Stopped;
    bool m_selectedRows = false;
    std::uint64_t m_totalBytes = 0;
    std::uint64_t m_totalFiles = 0;        // rows the run covers
    std::uint64_t m_filesDoneAtStart = 0;  // verdicts of rows outside the run
    int m_currentRow = -1;
};
