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
        WaitForWorker();
        for (CommandId button : {CommandId::ViewToggle, CommandId::Properties, CommandId::Open}) {
            m_observer.SetButtonState(button, ButtonState::Disabled);
        }
        const int rows = m_list.RowCount();
        const int selected = m_list.SelectedCount();
        if (selected > 0 && selected < rows) {
            // A run over some rows cannot be paused.
            m_observer.SetButtonState(CommandId::StartPause, ButtonState::Disabled);
            ResetCountersForNewRun();
            StartWorker(VerifySelectedProc, 0, 1);
        } else {
            ResetCountersForNewRun();
            StartWorker(VerifyAllProc, 0, 1);
        }
        break;
    }
    case RunState::Running:
        // Only a run that is still running can be paused; one that has just ended
        // keeps its end.
        if (m_list.TryChangeRunState(RunState::Running, RunState::Paused)) {
            g_abort.store(1, std::memory_order_relaxed);
        }
        break;
    case RunState::Paused:
        StartWorker(VerifyAllProc, m_list.CurrentIndex(), 0);
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
    for (CommandId button : {CommandId::StartPause, CommandId::ViewToggle, CommandId::Properties, CommandId::Open}) {
        m_observer.SetButtonState(button, ButtonState::Enabled);
    }
    PumpMessages();
    m_list.SetBytesDone(0);
    m_workerStarted = false;
    m_list.SetCurrentIndex(0);
    m_observer.ShowProgressPanel(false);
}

void VerifyController::StartAutoVerification()
{
    WaitForWorker();
    for (CommandId button : {CommandId::ViewToggle, CommandId::Open, CommandId::Properties}) {
        m_observer.SetButtonState(button, ButtonState::Disabled);
    }
    m_observer.SetButtonState(CommandId::StartPause, ButtonState::EnabledChecked);
    ResetCountersForNewRun();
    StartWorker(VerifyAllProc, 0, 1);
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

void VerifyController::StartWorker(void (*proc)(const VerifyJob&), int startIndex, int resetFlag)
{
    // The previous worker was told to stop (Pause or Stop) and ends within one block.
    WaitForWorker();
    // Cleared and set here rather than by the worker, so a Pause pressed right after
    // the start is never overwritten by a worker that starts late.
    g_abort.store(0, std::memory_order_relaxed);
    m_list.SetRunState(RunState::Running);

    VerifyJob job;
    job.baseFolder = m_list.BaseFolder();
    job.owner = &m_list;
    job.observer = &m_observer;
    job.startIndex = startIndex;
    job.resetFlag = resetFlag;
    job.sizeType = m_sizeType;
    job.autoScroll = m_autoScroll;
    m_worker = std::thread([proc, job = std::move(job)] { proc(job); });
    m_workerStarted = true;
}
