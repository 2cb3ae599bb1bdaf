#pragma once

#include "crc32tables.h"

#include <cstddef>
#include <cstdint>
#include <span>

class ProgressSink;
class ReadOnlyFile;

// One fold of the engine, bound to its tables.
struct Crc32Folder {
    Crc32FoldFunction function;
    const Crc32Tables* tables;

    [[nodiscard]] std::uint32_t operator()(std::uint32_t reg, const unsigned char* data,
                                           std::size_t length) const noexcept
    {
        return function(*tables, reg, data, length);
    }
};

// Files of at least this many bytes per range are split; smaller ones are folded by
// one thread (starting threads and joining the pieces would cost more than it saves).
inline constexpr std::uint64_t kCrc32MinRangeBytes = 8u << 20;

// How many ranges `file` is folded in with up to `threads` threads: 1 for the plain
// one-thread fold (a small file, a file read ahead, one thread, or a file that is not
// in the page cache: read from the disk, one stream is fastest and one thread keeps up).
[[nodiscard]] int Crc32RangeCount(const ReadOnlyFile& file, int threads) noexcept;

// Folds `file` from its start into `crc` (the running register, not complemented) in
// `ranges` ranges at once, one per thread, the calling thread taking the first, and
// joins the ranges' registers. Reading, progress and abort keep the rules of the
// one-thread fold: the calling thread reports every 4096-byte block of every range
// once (bytes in the order the blocks finish) and runs the pump with each report; each
// range stops within one block of an abort or of another range's failure. The bytes
// appended since the size was taken are read after the ranges. On an abort or a read
// error `crc` holds the register of the longest run of bytes from the start that was
// folded. Returns 0 or the errno of the read that failed.
int Crc32FoldInRanges(ReadOnlyFile& file, const Crc32Folder& fold, int ranges, std::uint32_t& crc,
                      ProgressSink& progress, std::int64_t totalBytes, std::uint64_t& bytesDone);

// How far one range was folded: its register after `folded` of its `length` bytes.
struct Crc32RangeFold {
    std::uint32_t reg = 0;
    std::uint64_t folded = 0;
    std::uint64_t length = 0;
};

// The register of `ranges` (not empty, in file order, the first from the file's start)
// joined: all of them, or (after an abort or a failure) as far as the bytes from the
// start were folded without a gap.
[[nodiscard]] std::uint32_t Crc32JoinRanges(std::span<const Crc32RangeFold> ranges) noexcept;
