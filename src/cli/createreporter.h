#pragma once

#include "generationobserver.h"
#include "generationoutcome.h"
#include "progresssink.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

// The command-line front end's view of a generation run: keeps the latest progress
// position and file number for the progress line, and the outcome at the end.
class CreateReporter final : public GenerationObserver, private ProgressSink {
public:
    void RunStarted(const std::string&) override {}
    void FileStarted(const std::string& name, int number, int count, const std::string& counterText) override;
    [[nodiscard]] ProgressSink& Progress() override { return *this; }
    void RunEnded(const GenerationOutcome& outcome) override;

    [[nodiscard]] int ProgressPosition() const noexcept { return m_percent.load(std::memory_order_relaxed); }
    [[nodiscard]] int FileNumber() const noexcept { return m_number.load(std::memory_order_relaxed); }
    [[nodiscard]] int FileCount() const noexcept { return m_count.load(std::memory_order_relaxed); }
    // Waits up to `milliseconds` for the run to end; true when it has.
    [[nodiscard]] bool WaitEnded(int milliseconds);
    // The outcome; meaningful once WaitEnded gave true.
    [[nodiscard]] const GenerationOutcome& Outcome() const noexcept { return m_outcome; }

private:
    void SetPosition(int percent) noexcept override { m_percent.store(percent, std::memory_order_relaxed); }

    std::atomic<int> m_percent{0};
    std::atomic<int> m_number{0};
    std::atomic<int> m_count{0};
    std::mutex m_mutex;
    std::condition_variable m_endedChanged;
    bool m_ended = false;
    GenerationOutcome m_outcome;
};
