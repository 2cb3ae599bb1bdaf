#include "rangethreads.h"

#include "abortflag.h"
#include "pagecache.h"
#include "progresssink.h"
#include "pumpmessages.h"
#include "readonlyfile.h"

#include <algorithm>
#include <chrono>
#include <system_error>
#include <thread>
#include <vector>

int RangesForFile(const ReadOnlyFile& file, int threads, std::uint64_t minRangeBytes) noexcept
{
    const std::uint64_t fit = file.Size() / minRangeBytes;
    if (threads <= 1 || fit < 2 || file.Descriptor() < 0 || file.Position() != 0 ||
        !MostlyInPageCache(file.Descriptor(), file.Size())) {
        return 1;
    }
    return static_cast<int>(std::min<std::uint64_t>(fit, static_cast<std::uint64_t>(threads)));
}

bool RangesMustStop(const RangeThreadsShared& shared) noexcept
{
    return shared.stop.load(std::memory_order_relaxed) || AbortRequested();
}

bool RangeWorkerBlockDone(RangeThreadsShared& shared, std::size_t length) noexcept
{
    shared.workerBytes.fetch_add(length, std::memory_order_relaxed);
    return !RangesMustStop(shared);
}

RangeProgressReporter::RangeProgressReporter(RangeThreadsShared& shared, std::size_t blockSize,
                                             ProgressSink& progress, std::int64_t totalBytes,
                                             std::uint64_t& bytesDone) noexcept
    : m_shared(shared), m_blockSize(blockSize), m_progress(progress), m_totalBytes(totalBytes), m_bytesDone(bytesDone)
{
}

bool RangeProgressReporter::Block(std::size_t length)
{
    PumpMessages();
    m_bytesDone += length;
    m_progress.Report(m_bytesDone, m_totalBytes);
    if (AbortRequested()) {
        m_shared.stop.store(true, std::memory_order_relaxed);
        m_aborted = true;
    }
    return !m_aborted;
}

bool RangeProgressReporter::Drain(bool all)
{
    const std::uint64_t hashed = m_shared.workerBytes.load(std::memory_order_relaxed);
    while (!m_aborted && (hashed - m_reported >= m_blockSize || (all && hashed > m_reported))) {
        const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(m_blockSize, hashed - m_reported));
        m_reported += length;
        Block(length);
    }
    return !m_aborted;
}

void RunRangesOnThreads(std::size_t count, RangeThreadsShared& shared, RangeProgressReporter& reporter,
                        const std::function<void(std::size_t)>& hashRange, const std::function<void()>& hashFirst)
{
    std::vector<std::thread> threads;
    std::size_t started = 1;
    for (; started < count; ++started) {
        try {
            {
                const std::lock_guard lock(shared.mutex);
                ++shared.running;
            }
            threads.emplace_back([&hashRange, &shared, started] {
                hashRange(started);
                const std::lock_guard lock(shared.mutex);
                --shared.running;
                shared.changed.notify_one();
            });
        } catch (const std::system_error&) {
            const std::lock_guard lock(shared.mutex);
            --shared.running;
            break;  // no more threads: this thread hashes the rest after its own range
        }
    }
    hashFirst();
    for (std::size_t i = started; i < count && !RangesMustStop(shared); ++i) {
        hashRange(i);
        reporter.Drain(false);
    }
    {
        std::unique_lock lock(shared.mutex);
        while (shared.running > 0) {
            shared.changed.wait_for(lock, std::chrono::milliseconds(2));
            lock.unlock();
            reporter.Drain(false);
            lock.lock();
        }
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    reporter.Drain(true);
}
