#include "blake3ranges.h"

#include "abortflag.h"
#include "blake3.h"
#include "blake3compress.h"
#include "blake3file.h"
#include "filechunks.h"
#include "rangethreads.h"
#include "readonlyfile.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <thread>
#include <vector>

namespace {

constexpr std::uint64_t kSegmentChunks = kBlake3SegmentBytes / kBlake3ChunkBytes;
// The file is cut into this many pieces per thread, which the threads take in turn: the
// calling thread, which also reports every thread's progress, takes fewer, and no
// thread waits on another at the end.
constexpr int kPiecesPerThread = 16;

// One thread's run of whole segments and how far it got.
struct Range {
    std::uint64_t begin = 0;
    std::uint64_t end = 0;
    // Chaining values of the segments finished with more of the range after them.
    std::vector<std::array<unsigned char, 32>> segments;
    Blake3 current;  // the segment being hashed (or the range's last, whole)
    std::uint64_t currentBytes = 0;
    std::uint64_t hashed = 0;
    int error = 0;

    Range(std::uint64_t first, std::uint64_t last, Blake3Path path)
        : begin(first), end(last), current(Blake3::ForSubtree(first / kBlake3ChunkBytes, path))
    {
        segments.reserve(static_cast<std::size_t>((end - begin) / kBlake3SegmentBytes));
    }

    void Hash(const unsigned char* data, std::size_t length) noexcept
    {
        while (length > 0) {
            if (currentBytes == kBlake3SegmentBytes) {
                segments.push_back(current.SubtreeChainingValue());  // reserved: never allocates
                current = Blake3::ForSubtree((begin + hashed) / kBlake3ChunkBytes, current.ActivePath());
                currentBytes = 0;
            }
            const auto take = static_cast<std::size_t>(std::min<std::uint64_t>(kBlake3SegmentBytes - currentBytes, length));
            current.Update(data, take);
            currentBytes += take;
            hashed += take;
            data += take;
            length -= take;
        }
    }

    [[nodiscard]] bool Complete() const noexcept { return hashed == end - begin; }
};

std::vector<Range> SplitIntoRanges(std::uint64_t wholeSegmentsEnd, int count, Blake3Path path)
{
    const std::uint64_t segments = wholeSegmentsEnd / kBlake3SegmentBytes;
    const std::uint64_t share = (segments + static_cast<std::uint64_t>(count) - 1) / static_cast<std::uint64_t>(count);
    std::vector<Range> ranges;
    for (std::uint64_t begin = 0; begin < wholeSegmentsEnd; begin += share * kBlake3SegmentBytes) {
        ranges.emplace_back(begin, std::min(wholeSegmentsEnd, begin + share * kBlake3SegmentBytes), path);
    }
    return ranges;
}

// Joins the ranges into `hasher` as far as the bytes from the start were hashed without
// a gap; `more` when bytes follow the last range (the tail is read next).
void JoinRanges(const std::vector<Range>& ranges, bool more, Blake3& hasher) noexcept
{
    if (ranges.empty()) {
        return;
    }
    std::size_t last = 0;
    while (last + 1 < ranges.size() && ranges[last].Complete() && ranges[last + 1].hashed > 0) {
        ++last;
    }
    for (std::size_t i = 0; i <= last; ++i) {
        for (const auto& chainingValue : ranges[i].segments) {
            hasher.AppendSubtree(chainingValue, kSegmentChunks);
        }
        if (i < last || (more && ranges[i].Complete())) {
            hasher.AppendSubtree(ranges[i].current.SubtreeChainingValue(), kSegmentChunks);
        } else {
            hasher.Adopt(ranges[i].current);
        }
    }
}

// Reports `length` hashed bytes in progress steps; false when the run must stop.
template <typename ReportStep>
bool ReportInSteps(std::size_t length, ReportStep& step)
{
    for (std::size_t reported = 0; reported < length; reported += kBlake3ProgressStep) {
        if (!step(std::min(kBlake3ProgressStep, length - reported))) {
            return false;
        }
    }
    return true;
}

}  // namespace

int Blake3DefaultThreads() noexcept
{
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

int Blake3RangeCount(const ReadOnlyFile& file, int threads) noexcept
{
    return RangesForFile(file, threads, kBlake3MinRangeBytes);
}

int Blake3HashInRanges(ReadOnlyFile& file, int rangeCount, Blake3& hasher, ProgressSink& progress,
                       std::int64_t totalBytes, std::uint64_t& bytesDone)
{
    const std::uint64_t size = file.Size();
    // The last segment (1 to 64 KiB) may be the root's only child: the calling thread
    // hashes it after the ranges, with whatever was appended.
    const std::uint64_t wholeSegmentsEnd = size == 0 ? 0 : (size - 1) / kBlake3SegmentBytes * kBlake3SegmentBytes;
    std::vector<Range> ranges = SplitIntoRanges(wholeSegmentsEnd, rangeCount * kPiecesPerThread, hasher.ActivePath());
    RangeThreadsShared shared;
    RangeProgressReporter reporter(shared, kBlake3ProgressStep, progress, totalBytes, bytesDone);
    std::atomic<std::size_t> nextPiece{0};

    // Hashes the pieces not yet taken, one after another, until none is left.
    const auto hashPieces = [&](const auto& after) {
        for (;;) {
            const std::size_t index = nextPiece.fetch_add(1, std::memory_order_relaxed);
            if (index >= ranges.size() || RangesMustStop(shared)) {
                return;
            }
            Range& range = ranges[index];
            FileChunks chunks(file, range.begin, range.end);
            auto hash = [&range](const unsigned char* data, std::size_t length) noexcept { range.Hash(data, length); };
            range.error = ReadFileBlocks(chunks, kBlake3FileSpan, hash, after);
            if (range.error != 0) {
                shared.stop.store(true, std::memory_order_relaxed);
            }
        }
    };
    const auto hashRange = [&](std::size_t /*thread*/) {
        hashPieces([&shared](std::size_t length) noexcept { return RangeWorkerBlockDone(shared, length); });
    };
    // Here, reporting the other threads' blocks between its own.
    const auto hashFirst = [&] {
        auto step = [&reporter](std::size_t length) { return reporter.Block(length); };
        hashPieces([&](std::size_t length) {
            return ReportInSteps(length, step) && reporter.Drain(false) && !RangesMustStop(shared);
        });
    };
    if (!ranges.empty()) {
        RunRangesOnThreads(static_cast<std::size_t>(rangeCount), shared, reporter, hashRange, hashFirst);
    }

    const bool stopped = reporter.Aborted() || AbortRequested() || shared.stop.load(std::memory_order_relaxed);
    JoinRanges(ranges, !stopped, hasher);
    for (const Range& range : ranges) {
        if (range.error != 0) {
            return range.error;
        }
    }
    if (stopped) {
        return 0;
    }
    // A file that shrank after its ranges were read reads wrong, and says so. Bytes
    // appended since the size was taken are read as the one-thread hash reads them.
    struct stat now {};
    if (::fstat(file.Descriptor(), &now) == 0 && static_cast<std::uint64_t>(now.st_size) < size) {
        return FileChunks::kShrankError;
    }
    if (!file.SkipTo(wholeSegmentsEnd)) {
        return FileChunks::kShrankError;
    }
    FileChunks rest(file);
    std::uint64_t tailBytes = 0;
    auto hash = [&](const unsigned char* data, std::size_t length) noexcept {
        hasher.Update(data, length);
        tailBytes += length;
    };
    auto step = [&reporter](std::size_t length) { return reporter.Block(length); };
    auto after = [&](std::size_t length) { return ReportInSteps(length, step); };
    const int error = ReadFileBlocks(rest, kBlake3FileSpan, hash, after);
    // The last segment had bytes when the size was taken; none now means the file shrank.
    return error == 0 && size > 0 && tailBytes == 0 && !AbortRequested() ? FileChunks::kShrankError : error;
}
