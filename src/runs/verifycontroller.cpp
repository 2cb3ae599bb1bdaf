#include "verifycontroller.h"

#include "abortflag.h"
#include "checksumlist.h"
#include "pumpmessages.h"
#include "runobserver.h"
#include "verifyproc.h"

VerifyController::VerifyController(ChecksumList& list, RunObserver& observer) : m_list(list), m_observer(observer) {}

VerifyController::~VerifyController()
{
    Shutdown();
}

void VerifyController::StartPause()
{
    switch (m_list.GetRunState()) {
    case RunState::Stopped: {
        const int rows = m_list.RowCount();
        const int selected = m_list.SelectedCount();
        if (selected > 0 && selected < rows) {
            StartWorker(VerifySelectedProc, 0, RunEvent::SelectedRowsStarted);
        } else {
            StartWorker(VerifyAllProc, 0, RunEvent::Started);
        }
        break;
    }
    case RunState::Running:
        // Only a run that is still running can be paused; one that has just ended
        // keeps its end.
        if (m_list.TryChangeRunState(RunState::Running, RunState::Paused)) {
            g_abort.store(1, std::memory_order_relaxed);
            m_observer.OnRunEvent(RunEvent::Paused);
        }
        break;
    case RunState::Paused:
        StartWorker(VerifyAllProc, m_list.CurrentIndex(), RunEvent::Resumed);
        break;
    }
}

void VerifyController::Stop()
{
    if (!m_workerStarted) {
        return;
    }
    g_abort.store(1, std::memory_order_relaxed);
    m_list.SetRunState(RunState::Stopped);
    PumpMessages();
    m_list.SetBytesDone(0);
    m_workerStarted = false;
    m_list.SetCurrentIndex(0);
    m_observer.OnRunEvent(RunEvent::Stopped);
}

void VerifyController::StartAutoVerification()
{
    StartWorker(VerifyAllProc, 0, RunEvent::Started);
}

void VerifyController::Shutdown()
{
    if (m_worker.joinable()) {
        g_abort.store(1, std::memory_order_relaxed);
        m_worker.join();
    }
}

void VerifyController::WaitForWorker()
{
    if (m_worker.joinable()) {
        m_worker.join();
    }
}

void VerifyController::ResetCountersForNewRun()
{
    m_list.SetCounters(0, 0, 0, m_list.RowCount());
    m_observer.UpdateStatusBar();
}

void VerifyController::StartWorker(void (*proc)(const VerifyJob&), int startIndex, RunEvent event)
{
    // The previous worker was told to stop (Pause or Stop) and ends within one block;
    // its last reports come before this run's.
    WaitForWorker();
    const bool fresh = event != RunEvent::Resumed;
    if (fresh) {
        ResetCountersForNewRun();
    }
    // Cleared and set here rather than by the worker, so a Pause pressed right after
    // the start is never overwritten by a worker that starts late.
    g_abort.store(0, std::memory_order_relaxed);
    m_list.SetRunState(RunState::Running);
    m_observer.OnRunEvent(event);

    VerifyJob job;
    job.baseFolder = m_list.BaseFolder();
    job.owner = &m_list;
    job.observer = &m_observer;
    job.startIndex = startIndex;
    job.resetRows = fresh;
    job.sizeType = m_sizeType;
    job.autoScroll = m_autoScroll;
    job.filesInFlight = m_filesInFlight;
    m_worker = std::thread([proc, job = std::move(job)] { proc(job); });
    m_workerStarted = true;
}
