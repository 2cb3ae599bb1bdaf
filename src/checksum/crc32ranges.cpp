#include "crc32ranges.h"

#include "abortflag.h"
#include "crc32combine.h"
#include "crc32engine.h"
#include "filechunks.h"
#include "progresssink.h"
#include "rangethreads.h"
#include "readonlyfile.h"

#include <sys/stat.h>

#include <algorithm>
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

// Folds one range on a thread of its own (or on the calling thread for a range no
// thread could be started for).
void FoldRange(ReadOnlyFile& file, const Crc32Folder& fold, Range& range, RangeThreadsShared& shared) noexcept
{
    FileChunks chunks(file, range.begin, range.end);
    std::uint32_t reg = range.reg;
    auto hash = [&](const unsigned char* data, std::size_t length) noexcept { reg = fold(reg, data, length); };
    auto after = [&](std::size_t length) noexcept {
        range.reg = reg;
        range.folded += length;
        return RangeWorkerBlockDone(shared, length);
    };
    range.error = ReadFileBlocks(chunks, kBlockSize, hash, after);
    if (range.error != 0) {
        shared.stop.store(true, std::memory_order_relaxed);
    }
}

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
    return RangesForFile(file, threads, kCrc32MinRangeBytes);
}

int Crc32FoldInRanges(ReadOnlyFile& file, const Crc32Folder& fold, int rangeCount, std::uint32_t& crc,
                      ProgressSink& progress, std::int64_t totalBytes, std::uint64_t& bytesDone)
{
    const std::uint64_t size = file.Size();
    std::vector<Range> ranges = SplitIntoRanges(size, rangeCount);
    ranges.front().reg = crc;
    RangeThreadsShared shared;
    RangeProgressReporter reporter(shared, kBlockSize, progress, totalBytes, bytesDone);
    // The first range here, reporting the other threads' blocks between its own.
    const auto foldFirst = [&] {
        Range& first = ranges.front();
        FileChunks chunks(file, first.begin, first.end);
        std::uint32_t reg = first.reg;
        auto hash = [&](const unsigned char* data, std::size_t length) noexcept { reg = fold(reg, data, length); };
        auto after = [&](std::size_t length) {
            first.reg = reg;
            first.folded += length;
            crc = reg;
            return reporter.Block(length) && reporter.Drain(false) && !RangesMustStop(shared);
        };
        first.error = ReadFileBlocks(chunks, kBlockSize, hash, after);
        if (first.error != 0) {
            shared.stop.store(true, std::memory_order_relaxed);
        }
    };
    RunRangesOnThreads(
        ranges.size(), shared, reporter, [&](std::size_t i) { FoldRange(file, fold, ranges[i], shared); }, foldFirst);

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
