#include "liveprogress.h"

#include "checksumlist.h"
#include "checksumlistcontent.h"
#include "progresspanel.h"

#include <algorithm>

namespace {

// The bytes a run covers: the list's total, or the known sizes of the selected rows.
std::uint64_t RunTotalBytes(const ChecksumList& list, bool selectedRows)
{
    if (!selectedRows) {
        return list.TotalBytes();
    }
    std::uint64_t total = 0;
    const int rows = list.RowCount();
    for (int row = 0; row < rows; ++row) {
        const std::uint64_t size = list.RowSize(row);
        if (list.IsRowSelected(row) && size != kSizeNotFound) {
            total += size;
        }
    }
    return total;
}

}  // namespace

LiveProgress::LiveProgress(const ChecksumList& list, ProgressPanel& panel) : m_list(list), m_panel(panel) {}

void LiveProgress::Restart(bool selectedRows, std::uint64_t bytesRead, double seconds)
{
    m_selectedRows = selectedRows;
    m_totalBytes = RunTotalBytes(m_list, selectedRows);
    m_currentRow = -1;
    m_meter.Restart(bytesRead, seconds);
}

void LiveProgress::OnRunEvent(RunEvent event, std::uint64_t bytesRead, double seconds)
{
    if (event == RunEvent::Started || event == RunEvent::SelectedRowsStarted) {
        Restart(event == RunEvent::SelectedRowsStarted, bytesRead, seconds);
    } else if (event == RunEvent::Resumed) {
        // The pause does not count towards the speed.
        m_meter.Restart(bytesRead, seconds);
    }
    const RunPhase phase = NextRunPhase(m_phase, event);
    if (phase == m_phase && event != RunEvent::Started && event != RunEvent::SelectedRowsStarted) {
        return;
    }
    m_phase = phase;
    if (phase == RunPhase::Stopped || phase == RunPhase::Finished) {
        m_currentRow = -1;
    } else {
        Refresh(bytesRead, seconds);
    }
    m_panel.SetPhase(phase);
}

void LiveProgress::Refresh(std::uint64_t bytesRead, double seconds)
{
    const ProgressFigures figures = m_meter.Sample(bytesRead, m_totalBytes, seconds);
    if (m_phase == RunPhase::Running || m_phase == RunPhase::Paused) {
        m_currentRow = FindCurrentRow();
    }
    const QString file = m_currentRow >= 0 ? QString::fromUtf8(m_list.RowName(m_currentRow)) : QString();
    m_panel.ShowFigures(figures, file);
}

int LiveProgress::FindCurrentRow()
{
    if (!m_selectedRows) {
        return m_list.RowCount() > 0 ? m_list.CurrentIndex() : -1;
    }
    const int rows = m_list.RowCount();
    for (int row = std::max(m_currentRow, 0); row < rows; ++row) {
        const EntryStatus status = m_list.RowStatus(row);
        if (status == EntryStatus::Checking) {
            return row;
        }
        if (status == EntryStatus::Unchecked && m_list.IsRowSelected(row)) {
            break;  // the run has not got this far yet
        }
    }
    // Between two files nothing is being checked: keep the last one.
    return m_currentRow;
}
