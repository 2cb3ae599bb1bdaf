#include "windowrunobserver.h"

#include <algorithm>
#include <utility>

bool WindowRunObserver::Reports::Empty() const noexcept
{
    return events.empty() && firstChangedRow < 0 && !allRowsChanged && scrollRow < 0 && !statusBar;
}

WindowRunObserver::WindowRunObserver(Wake wake) : m_wake(std::move(wake)) {}

template <typename Change>
void WindowRunObserver::Report(Change&& change, bool urgent)
{
    bool wake = false;
    {
        const std::lock_guard lock(m_mutex);
        change(m_reports);
        wake = !m_wakePending;
        m_wakePending = true;
    }
    if ((wake || urgent) && m_wake) {
        m_wake(urgent);
    }
}

void WindowRunObserver::OnRunEvent(RunEvent event)
{
    const bool urgent = event == RunEvent::Finished || event == RunEvent::WorkerEnded;
    if (event == RunEvent::Started || event == RunEvent::SelectedRowsStarted) {
        m_bytesRead.store(0, std::memory_order_relaxed);
    }
    Report([event](Reports& r) { r.events.push_back(event); }, urgent);
}

void WindowRunObserver::RowChanged(int row)
{
    Report([&](Reports& r) {
        if (row < 0) {
            r.allRowsChanged = true;
        } else if (r.firstChangedRow < 0) {
            r.firstChangedRow = row;
            r.lastChangedRow = row;
        } else {
            r.firstChangedRow = std::min(r.firstChangedRow, row);
            r.lastChangedRow = std::max(r.lastChangedRow, row);
        }
    });
}

void WindowRunObserver::AutoScrollToRow(int row)
{
    Report([&](Reports& r) { r.scrollRow = row; });
}

void WindowRunObserver::UpdateStatusBar()
{
    Report([](Reports& r) { r.statusBar = true; });
}

WindowRunObserver::Reports WindowRunObserver::Take()
{
    const std::lock_guard lock(m_mutex);
    Reports taken = std::exchange(m_reports, Reports{});
    m_wakePending = false;
    return taken;
}

void WindowRunObserver::SetPosition(int percent) noexcept
{
    m_progress.store(std::max(percent, 0), std::memory_order_relaxed);
}

void WindowRunObserver::SetBytesRead(std::uint64_t bytesRead) noexcept
{
    m_bytesRead.store(bytesRead, std::memory_order_relaxed);
}
