#include "createreporter.h"

#include <chrono>

void CreateReporter::FileStarted(const std::string&, int number, int count, const std::string&)
{
    m_count.store(count, std::memory_order_relaxed);
    m_number.store(number, std::memory_order_relaxed);
}

void CreateReporter::RunEnded(const GenerationOutcome& outcome)
{
    const std::lock_guard lock(m_mutex);
    m_outcome = outcome;
    m_ended = true;
    m_endedChanged.notify_all();
}

bool CreateReporter::WaitEnded(int milliseconds)
{
    std::unique_lock lock(m_mutex);
    return m_endedChanged.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return m_ended; });
}
