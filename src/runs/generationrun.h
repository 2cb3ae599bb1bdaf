#pragma once

#include "generationjob.h"

#include <thread>

class GenerationObserver;

// Runs RunGeneration on a worker thread. Start clears g_abort on the calling thread
// (so a Cancel right after Start is never lost) and starts the worker; Cancel raises
// g_abort, and the worker stops at the next block. Wait joins the worker; the
// destructor cancels and joins one still running. Used from one thread.
class GenerationRun {
public:
    GenerationRun() = default;
    ~GenerationRun();
    GenerationRun(const GenerationRun&) = delete;
    GenerationRun& operator=(const GenerationRun&) = delete;

    // Joins an earlier worker first. The observer must outlive the worker.
    void Start(GenerationJob job, GenerationObserver& observer);
    static void Cancel() noexcept;
    void Wait();
    [[nodiscard]] bool HasWorker() const noexcept { return m_worker.joinable(); }

private:
    std::thread m_worker;
};
