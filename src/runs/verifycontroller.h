#pragma once

#include "verifyjob.h"

#include <thread>

class ChecksumList;
class RunObserver;

// The command side of verification runs: Start/Pause (start, pause, resume), Stop,
// the start-up auto-verification and shutdown. Called on the GUI thread only.
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

    // Start/Pause (5005) by the list's run state: start, pause or resume.
    void StartPause();
    // Stop (5006); nothing happens unless a worker was started since the last Stop.
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
    void StartWorker(void (*proc)(const VerifyJob&), int startIndex, int resetFlag);

    ChecksumList& m_list;
    RunObserver& m_observer;
    std::thread m_worker;
    bool m_workerStarted = false;
    int m_sizeType = 0;
    bool m_autoScroll = true;
};
