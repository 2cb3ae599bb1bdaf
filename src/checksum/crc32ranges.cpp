#include "crc32ranges.h"

#include "abortflag.h"
#include "crc32combine.h"
#include "crc32engine.h"
#include "filechunks.h"
#include "pagecache.h"
#include "progresssink.h"
#include "pumpmessages.h"
#include "readonlyfile.h"

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

constexpr std::size_t kBlockSize = Crc32Engine::kBlockSize;
// Range starts fall on this boundary: whole blocks and pages, so every range but the
// last holds whole blocks only.
constexpr std::uint64_t kRangeAlignment = 2u << 20;

struct Range {
    std::uint64_t begin = 0;
    std::uint64_t end = 0;
    std::uint32_t reg = 0;  // after `folded` bytes; the first range starts from the caller's register
    std::uint64_t folded = 0;
    int error = 0;

};

// What the threads share while the ranges are folded.
struct Shared {
    std::atomic<std::uint64_t> workerBytes{0};  // folded by the other threads, whole blocks
    std::atomic<bool> stop{false};              // an abort or a failed read ends every range
    std::mutex mutex;
    std::condition_variable changed;
    int running = 0;
};

[[nodiscard]] bool MustStop(const Shared& shared) noexcept
{
    return shared.stop.load(std::memory_order_relaxed) || AbortRequested();
}

// Folds one range on a thread of its own (or on the calling thread for a range no
// thread could be started for).
void FoldRange(ReadOnlyFile& file, const Crc32Folder& fold, Range& range, Shared& shared) noexcept
{
    FileChunks chunks(file, range.begin, range.end);
    std::uint32_t reg = range.reg;
    auto hash = [&](const unsigned char* data, std::size_t length) noexcept { reg = fold(reg, data, length); };
    auto after = [&](std::size_t length) noexcept {
        range.reg = reg;
        range.folded += length;
        shared.workerBytes.fetch_add(length, std::memory_order_relaxed);
        return !MustStop(shared);
    };
    range.error = ReadFileBlocks(chunks, kBlockSize, hash, after);
    if (range.error != 0) {
        shared.stop.store(true, std::memory_order_relaxed);
    }
}

// The calling thread's reporting: every block once, as the one-thread fold does.
class Reporter {
public:
    Reporter(Shared& shared, ProgressSink& progress, std::int64_t totalBytes, std::uint64_t& bytesDone) noexcept
        : m_shared(shared), m_progress(progress), m_totalBytes(totalBytes), m_bytesDone(bytesDone)
    {
    }

    // One block done; false when the run must stop.
    bool Block(std::size_t length)
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

    // Reports the other threads' blocks finished since the last call (with `all`, the
    // last short block too); false when the run must stop.
    bool Drain(bool all)
    {
        const std::uint64_t folded = m_shared.workerBytes.load(std::memory_order_relaxed);
        while (!m_aborted && (folded - m_reported >= kBlockSize || (all && folded > m_reported))) {
            const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, folded - m_reported));
            m_reported += length;
            Block(length);
        }
        return !m_aborted;
    }

    [[nodiscard]] bool Aborted() const noexcept { return m_aborted; }

private:
    Shared& m_shared;
    ProgressSink& m_progress;
    std::int64_t m_totalBytes;
    std::uint64_t& m_bytesDone;
    std::uint64_t m_reported = 0;
    bool m_aborted = false;
};

std::vector<Range> SplitIntoRanges(std::uint64_t size, int count)
{
    const std::uint64_t share = (size / static_cast<std::uint64_t>(count) + kRangeAlignment - 1) / kRangeAlignment *
                                kRangeAlignment;
    std::vector<Range> ranges;
    for (std::uint64_t begin = 0; begin < size; begin += share) {
        Range range;
        range.begin = begin;
        range.end = std::min(size, begin + share);
        ranges.push_back(range);
    }
    return ranges;
}

}  // namespace

std::uint32_t Crc32JoinRanges(std::span<const Crc32RangeFold> ranges) noexcept
{
    std::uint32_t reg = ranges.front().reg;
    if (ranges.front().folded != ranges.front().length) {
        return reg;
    }
    for (std::size_t i = 1; i < ranges.size(); ++i) {
        reg = Crc32Combine(reg, ranges[i].reg, ranges[i].folded);
        if (ranges[i].folded != ranges[i].length) {
            break;  // a gap follows: later ranges' bytes do not join on
        }
    }
    return reg;
}

int Crc32RangeCount(const ReadOnlyFile& file, int threads) noexcept
{
    const std::uint64_t fit = file.Size() / kCrc32MinRangeBytes;
    if (threads <= 1 || fit < 2 || file.Descriptor() < 0 || file.Position() != 0 ||
        !MostlyInPageCache(file.Descriptor(), file.Size())) {
        return 1;
    }
    return static_cast<int>(std::min<std::uint64_t>(fit, static_cast<std::uint64_t>(threads)));
}

int Crc32FoldInRanges(ReadOnlyFile& file, const Crc32Folder& fold, int rangeCount, std::uint32_t& crc,
                      ProgressSink& progress, std::int64_t totalBytes, std::uint64_t& bytesDone)
{
    const std::uint64_t size = file.Size();
    std::vector<Range> ranges = SplitIntoRanges(size, rangeCount);
    ranges.front().reg = crc;
    Shared shared;
    Reporter reporter(shared, progress, totalBytes, bytesDone);

    std::vector<std::thread> threads;
    std::size_t started = 1;
    for (; started < ranges.size(); ++started) {
        try {
            {
                const std::lock_guard lock(shared.mutex);
                ++shared.running;
            }
            threads.emplace_back([&file, &fold, &range = ranges[started], &shared] {
                FoldRange(file, fold, range, shared);
                const std::lock_guard lock(shared.mutex);
                --shared.running;
                shared.changed.notify_one();
            });
        } catch (const std::system_error&) {
            const std::lock_guard lock(shared.mutex);
            --shared.running;
            break;  // no more threads: this thread folds the rest after its own range
        }
    }

    // The first range here, reporting the other threads' blocks between its own.
    {
        Range& first = ranges.front();
        FileChunks chunks(file, first.begin, first.end);
        std::uint32_t reg = first.reg;
        auto hash = [&](const unsigned char* data, std::size_t length) noexcept { reg = fold(reg, data, length); };
        auto after = [&](std::size_t length) {
            first.reg = reg;
            first.folded += length;
            crc = reg;
            return reporter.Block(length) && reporter.Drain(false) && !MustStop(shared);
        };
        first.error = ReadFileBlocks(chunks, kBlockSize, hash, after);
        if (first.error != 0) {
            shared.stop.store(true, std::memory_order_relaxed);
        }
    }
    for (std::size_t i = started; i < ranges.size() && !MustStop(shared); ++i) {
        FoldRange(file, fold, ranges[i], shared);
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

    std::vector<Crc32RangeFold> folds;
    for (const Range& range : ranges) {
        folds.push_back({range.reg, range.folded, range.end - range.begin});
    }
    crc = Crc32JoinRanges(folds);
    for (const Range& range : ranges) {
        if (range.error != 0) {
            return range.error;
        }
    }
    if (reporter.Aborted() || AbortRequested()) {
        return 0;
    }
    // A file that shrank after its ranges were read reads wrong, and says so. Bytes
    // appended since the size was taken are read as the one-thread fold reads them.
    struct stat now {};
    if (::fstat(file.Descriptor(), &now) == 0 && static_cast<std::uint64_t>(now.st_size) < size) {
        return FileChunks::kShrankError;
    }
    if (!file.SkipTo(size)) {
        return 0;
    }
    FileChunks rest(file);
    std::uint32_t reg = crc;
    auto hash = [&](const unsigned char* data, std::size_t length) noexcept { reg = fold(reg, data, length); };
    auto after = [&](std::size_t length) {
        crc = reg;
        return reporter.Block(length);
    };
    return ReadFileBlocks(rest, kBlockSize, hash, after);
}
