#include "generationrun.h"

#include "abortflag.h"
#include "generationproc.h"

GenerationRun::~GenerationRun()
{
    if (m_worker.joinable()) {
        Cancel();
        m_worker.join();
    }
}

void GenerationRun::Start(GenerationJob job, GenerationObserver& observer)
{
    Wait();
    g_abort.store(0, std::memory_order_relaxed);
    m_worker = std::thread([job = std::move(job), &observer] { RunGeneration(job, observer); });
}

void GenerationRun::Cancel() noexcept
{
    g_abort.store(1, std::memory_order_relaxed);
}

void GenerationRun::Wait()
{
    if (m_worker.joinable()) {
        m_worker.join();
    }
}
