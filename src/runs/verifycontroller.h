#pragma once

#include "runobserver.h"
#include "verifyjob.h"

#include <thread>

class ChecksumList;

// The command side of verification runs: Start/Pause (start, pause, resume), Stop,
// the start-up auto-verification and shutdown. Called on the GUI thread only. It
// reports Started, SelectedRowsStarted, Resumed, Paused and Stopped to the observer;
// the worker reports Finished and WorkerEnded.
//
// At most one worker exists: starting one first joins the previous worker, which has
// been told to stop and ends within one block. Shutdown raises the abort flag and
// joins the worker before anything it uses is destroyed.
class VerifyController {
public:
    VerifyController(ChecksumList& list, RunObserver& observer);
    ~VerifyController();
    VerifyController(const VerifyController&) = delete;
    VerifyController& operator=(const VerifyController&) = delete;

    // Settings the next run takes with it.
    void SetSizeType(int sizeType) noexcept { m_sizeType = sizeType; }
    void SetAutoScroll(bool autoScroll) noexcept { m_autoScroll = autoScroll; }
    // Files verified at once: 1 to 8 forces that many, 0 decides by the list's disk.
    void SetFilesInFlight(int filesInFlight) noexcept { m_filesInFlight = filesInFlight; }

    // Start/Pause by the list's run state: start, pause or resume.
    void StartPause();
    // Stop; nothing happens unless a worker was started since the last Stop.
    void Stop();
    // Verify every row at once, as after opening the list named on the command line.
    void StartAutoVerification();
    // Raises the abort flag and joins the worker.
    void Shutdown();
    // Joins a worker that has ended or been told to end (before a new list is loaded).
    void WaitForWorker();
    // A worker has been started and not cleared by Stop.
    [[nodiscard]] bool HasWorker() const noexcept { return m_workerStarted; }

private:
    void ResetCountersForNewRun();
    // Starts a worker after the previous one has ended; a fresh run (any event but
    // Resumed) resets the counters and rows first.
    void StartWorker(void (*proc)(const VerifyJob&), int startIndex, RunEvent event);

    ChecksumList& m_list;
    RunObserver& m_observer;
    std::thread m_worker;
    bool m_workerStarted = false;
    int m_sizeType = 0;
    bool m_autoScroll = true;
    int m_filesInFlight = 0;
};
