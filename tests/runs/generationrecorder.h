#pragma once

#include "abortflag.h"
#include "generationobserver.h"
#include "generationoutcome.h"
#include "progresssink.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

// Records what a generation run reports. Can raise g_abort at the first progress
// report of a chosen file, as a Cancel click in the middle of reading it would.
class GenerationRecorder final : public GenerationObserver, private ProgressSink {
public:
    void CancelDuringFile(int number) { m_cancelDuring = number; }
    // Raises g_abort at the first progress report once file `number` has been started.
    void CancelFromFile(int number) { m_cancelFrom = number; }

    void RunStarted(const std::string& groupCaption) override
    {
        const std::lock_guard lock(m_mutex);
        m_captions.push_back(groupCaption);
    }
    void FileStarted(const std::string& name, int number, int, const std::string& counterText) override
    {
        const std::lock_guard lock(m_mutex);
        m_names.push_back(name);
        m_counters.push_back(counterText);
        m_currentFile = number;
    }
    [[nodiscard]] ProgressSink& Progress() override { return *this; }
    void RunEnded(const GenerationOutcome& outcome) override
    {
        const std::lock_guard lock(m_mutex);
        m_outcome = outcome;
        ++m_endings;
        m_ended.notify_all();
    }

    // Waits (bounded) for the run's end; false if it did not come.
    bool WaitEnded()
    {
        std::unique_lock lock(m_mutex);
        return m_ended.wait_for(lock, std::chrono::seconds(120), [this] { return m_endings > 0; });
    }

    std::vector<std::string> Captions() const { return Locked(m_captions); }
    std::vector<std::string> Names() const { return Locked(m_names); }
    std::vector<std::string> Counters() const { return Locked(m_counters); }
    std::vector<int> Positions() const { return Locked(m_positions); }
    GenerationOutcome Outcome() const { return Locked(m_outcome); }
    int Endings() const { return Locked(m_endings); }

private:
    void SetPosition(int percent) noexcept override
    {
        const std::lock_guard lock(m_mutex);
        m_positions.push_back(percent);
        if (m_currentFile == m_cancelDuring || (m_cancelFrom > 0 && m_currentFile >= m_cancelFrom)) {
            g_abort.store(1, std::memory_order_relaxed);
        }
    }

    template <class T>
    T Locked(const T& value) const
    {
        const std::lock_guard lock(m_mutex);
        return value;
    }

    mutable std::mutex m_mutex;
    std::condition_variable m_ended;
    int m_cancelDuring = -1;  // no file
    int m_cancelFrom = 0;     // no file
    int m_currentFile = 0;
    std::vector<std::string> m_captions;
    std::vector<std::string> m_names;
    std::vector<std::string> m_counters;
    std::vector<int> m_positions;
    GenerationOutcome m_outcome;
    int m_endings = 0;
};
