#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>

class ProgressSink;
class ReadOnlyFile;

// Ranges of one file hashed side by side, one per thread, with the engines' progress
// and abort rules: only the calling thread reports (every block of every range once,
// bytes in the order the blocks finish) and runs the pump; each range stops within one
// block of an abort or of another range's failure.

// How many ranges `file` is hashed in with up to `threads` threads, each at least
// `minRangeBytes` long: 1 for the one-thread path (a small file, a file read ahead, one
// thread, a file not read from its start, or a file that is not in the page cache: read
// from the disk, one stream is fastest).
[[nodiscard]] int RangesForFile(const ReadOnlyFile& file, int threads, std::uint64_t minRangeBytes) noexcept;

// What the threads share while the ranges are hashed.
struct RangeThreadsShared {
    std::atomic<std::uint64_t> workerBytes{0};  // hashed by the other threads, whole blocks
    std::atomic<bool> stop{false};              // an abort or a failed read ends every range
    std::mutex mutex;
    std::condition_variable changed;
    int running = 0;
};

[[nodiscard]] bool RangesMustStop(const RangeThreadsShared& shared) noexcept;

// A block hashed on another thread: counted for the calling thread to report. False
// when the range must stop.
bool RangeWorkerBlockDone(RangeThreadsShared& shared, std::size_t length) noexcept;

// The calling thread's reporting: every block once, as the one-thread engines do.
class RangeProgressReporter {
public:
    RangeProgressReporter(RangeThreadsShared& shared, std::size_t blockSize, ProgressSink& progress,
                          std::int64_t totalBytes, std::uint64_t& bytesDone) noexcept;

    // One block done on the calling thread; false when the run must stop.
    bool Block(std::size_t length);
    // Reports the other threads' blocks finished since the last call (with `all`, the
    // last short block too); false when the run must stop.
    bool Drain(bool all);
    [[nodiscard]] bool Aborted() const noexcept { return m_aborted; }

private:
    RangeThreadsShared& m_shared;
    std::size_t m_blockSize;
    ProgressSink& m_progress;
    std::int64_t m_totalBytes;
    std::uint64_t& m_bytesDone;
    std::uint64_t m_reported = 0;
    bool m_aborted = false;
};

// Runs hashRange(i) for the ranges i = 1 .. count-1 on threads of their own and
// hashFirst() (range 0, which reports through `reporter` between its blocks) on the
// calling thread; ranges no thread could be started for run on the calling thread
// after the first. Returns when every range has ended and every block was reported.
void RunRangesOnThreads(std::size_t count, RangeThreadsShared& shared, RangeProgressReporter& reporter,
                        const std::function<void(std::size_t)>& hashRange, const std::function<void()>& hashFirst);
