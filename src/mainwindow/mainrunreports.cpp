// Applying what the verification run reports, on the GUI thread, in batches.

#include "mainwindow.h"

#include "checksumlistmodel.h"
#include "checksumlistview.h"
#include "liveprogress.h"
#include "maintoolbar.h"
#include "progresspanel.h"
#include "toolbarstates.h"
#include "verdictbar.h"

void MainWindow::WakeForRunReports(bool urgent)
{
    // Any thread: the first report after a take schedules the next one. Reports that
    // follow while the refresh timer runs wait for its next tick, except the end of a
    // run, which is applied at once.
    QMetaObject::invokeMethod(
        this,
        [this, urgent] {
            if (urgent || !m_reportTimer.isActive()) {
                ApplyRunReports();
            }
            if (!m_reportTimer.isActive()) {
                m_reportTimer.start();
            }
        },
        Qt::QueuedConnection);
}

void MainWindow::ApplyToolbarTrigger(ToolbarTrigger trigger)
{
    const ToolbarChange change = ToolbarChangeFor(trigger);
    ApplyToolbarChange(*m_toolbar, change);
    if (change.panelShown) {
        ShowProgressPanel(*change.panelShown);
    }
    RefreshSaveReportAction();
}

void MainWindow::ApplyRunReports()
{
    ApplyReports(m_observer.Take());
}

void MainWindow::ApplyReports(const WindowRunObserver::Reports& reports)
{
    int workersEnded = 0;
    for (const RunEvent event : reports.events) {
        NoteRunEventForResults(event);
        m_liveProgress->OnRunEvent(event, m_observer.BytesRead(), RunClockSeconds());
        if (const std::optional<ToolbarTrigger> trigger = ToolbarTriggerOf(event)) {
            ApplyToolbarTrigger(*trigger);
        } else if (event == RunEvent::WorkerEnded) {
            ++workersEnded;
        }
    }
    if (reports.allRowsChanged) {
        m_model->AllRowsChanged();
    } else if (reports.firstChangedRow >= 0) {
        m_model->RowsChanged(reports.firstChangedRow, reports.lastChangedRow);
    }
    if (reports.scrollRow >= 0) {
        m_listView->ScrollToRunRow(reports.scrollRow);
    }
    if (reports.statusBar) {
        UpdateStatusBar();
    }
    if (m_panelShown) {
        m_progressPanel->SetPosition(m_observer.ProgressPosition());
        if (m_liveProgress->Phase() == RunPhase::Running) {
            m_liveProgress->Refresh(m_observer.BytesRead(), RunClockSeconds());
        }
    }
    if (workersEnded > 0) {
        // Rows a filter took out of view while the run needed them selected are not
        // selected on screen; the list follows the screen again.
        m_listView->SyncSelectionToList();
        if (m_verdictShown) {
            ShowRunVerdict();  // what the worker's last block found
        }
        m_finishedRuns += workersEnded;
        emit RunEnded();
    }
    // The timer keeps the progress bar moving while a run is running; idle, it stops.
    if (reports.Empty() && m_list.GetRunState() != RunState::Running) {
        m_reportTimer.stop();
    }
}

double MainWindow::RunClockSeconds() const
{
    return static_cast<double>(m_runClock.nsecsElapsed()) / 1e9;
}
