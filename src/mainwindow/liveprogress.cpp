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

// The rows a run covers: every row, or the selected ones.
std::uint64_t RunTotalFiles(const ChecksumList& list, bool selectedRows)
{
    const int rows = list.RowCount();
    if (!selectedRows) {
        return static_cast<std::uint64_t>(rows);
    }
    std::uint64_t total = 0;
    for (int row = 0; row < rows; ++row) {
        total += list.IsRowSelected(row) ? 1 : 0;
    }
    return total;
}

std::uint64_t FilesWithVerdict(const ChecksumList& list)
{
    const Counters counters = list.GetCounters();
    return static_cast<std::uint64_t>(counters.ok) + static_cast<std::uint64_t>(counters.bad) +
           static_cast<std::uint64_t>(counters.missing);
}

// Verdicts a run leaves alone: none for a run over every row (it starts them afresh, or
// resumes and counts the verdicts it has given), those of the rows not selected else.
std::uint64_t VerdictsOutsideTheRun(const ChecksumList& list, bool selectedRows)
{
    if (!selectedRows) {
        return 0;
    }
    std::uint64_t kept = 0;
    const int rows = list.RowCount();
    for (int row = 0; row < rows; ++row) {
        const EntryStatus status = list.RowStatus(row);
        kept += !list.IsRowSelected(row) && status != EntryStatus::Unchecked && status != EntryStatus::Checking ? 1 : 0;
    }
    return kept;
}

}  // namespace

LiveProgress::LiveProgress(const ChecksumList& list, ProgressPanel& panel) : m_list(list), m_panel(panel) {}

void LiveProgress::Restart(bool selectedRows, std::uint64_t bytesRead, double seconds)
{
    m_selectedRows = selectedRows;
    m_totalBytes = RunTotalBytes(m_list, selectedRows);
    m_totalFiles = RunTotalFiles(m_list, selectedRows);
    m_filesDoneAtStart = VerdictsOutsideTheRun(m_list, selectedRows);
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
    const std::uint64_t verdicts = FilesWithVerdict(m_list);
    const std::uint64_t done = verdicts > m_filesDoneAtStart ? verdicts - m_filesDoneAtStart : 0;
    const FileCounts files{done, m_totalFiles > done ? m_totalFiles - done : 0};
    const ProgressFigures figures = m_meter.Sample(bytesRead, m_totalBytes, files, seconds);
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
